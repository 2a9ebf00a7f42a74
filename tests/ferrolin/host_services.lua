-- The host's plugin list, hand-over, hooks, event classes and palette-screen
-- requests, reached the way a plugin reaches them.
local T = dofile(os.getenv("KS_TESTLIB"))
local Q

Require("ferrolin")
LoadPlugin("quelvorisca")
Q = quelvorisca

-- The list names every loaded plugin by the module name it reports.
local names = Q.ListPlugins()
T.eq(#names, 2, "loaded plugins")
T.eq(names[1], "ferrolin", "first plugin")
T.eq(names[2], "quelvorisca", "second plugin")
T.eq(HeldMemory("pluginlist"), 0, "the list is released")

-- Activation and hand-over are logged; an unknown module is refused.
T.eq(Q.Activate("quelvorisca"), 0, "activation")
T.eq(PluginActivations()[1], "quelvorisca", "activation log")
T.eq(Q.HandOver("ferrolin"), 0, "hand-over to a loaded plugin")
T.eq(Q.HandOver("nosuch"), 1055, "hand-over to an unknown plugin")
local h = PluginHandOvers()
T.eq(#h, 1, "hand-overs")
T.eq(h[1].to, "ferrolin", "hand-over target")
T.eq(h[1].from, "quelvorisca", "hand-over source")
T.eq(h[1].kind, 1, "record word 1")
T.eq(h[1].version, 2, "record word 2")
T.eq(h[1].pump, true, "record's pump")

-- Hooks of kinds 0 and 2 run when the host runs them, with the host's value.
Q.AddHook(0)
Q.AddHook(2)
T.eq(RunHooks(0, 0), 1, "event pump hooks")
T.eq(RunHooks(2, 7), 1, "state hooks")
local calls, value = Q.HookCalls(2)
T.eq(calls, 1, "kind 2 calls")
T.eq(value, 7, "kind 2 value")
T.eq(RunHooks(1, 0), 0, "no hooks of kind 1")

-- Event classes in registration order; an empty name gets no handle.
T.eq(Q.RegisterEventType("Extra"), 1, "a second event class")
T.eq(Q.RegisterEventType(""), 0, "an empty name")
local types = EventTypes()
T.eq(types[1], "Ferrolin", "the GUI plugin's class")
T.eq(types[2], "Extra", "the second class")

-- Palette-screen requests are logged and answered as the script says.
T.eq(Q.AskPalette(1), 0, "default answer")
SetPaletteScreenResult(1087)
T.eq(Q.AskPalette(3), 1087, "set answer")
local r = PaletteScreenRequests()
T.eq(#r, 2, "palette requests")
T.eq(r[2].plugin, "quelvorisca", "requesting plugin")
T.eq(r[2].mode, 3, "mode")
T.eq(r[2].options[1], 10, "option 1")
