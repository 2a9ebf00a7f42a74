-- The GUI plugin's frame as scripts see it.
local T = dofile(os.getenv("KS_TESTLIB"))
local REQUIRE = "You need to @REQUIRE this plugin before you can call its functions!"

-- Before Require every command but FreeImage refuses.
LoadPlugin("ferrolin")
T.fails(REQUIRE, tiko.CreateApp, "<application/>")
T.fails(REQUIRE, tiko.HaveObject, "x")
T.fails("tiko.FreeImage is not available yet", tiko.FreeImage, 1)

Require("ferrolin")
T.fails("tiko.CreateApp is not available yet", tiko.CreateApp, "<application/>")

-- Thirteen commands, each with its help string.
local count = 0
for name in pairs(tiko) do
  count = count + 1
  T.ok(Help("tiko", name), "help for tiko." .. name)
end
T.eq(count, 13, "commands in tiko")
T.eq(Help("tiko", "Set"), "tiko.Set(id$,attr1$,val1$,...) -- set value of a TIKO object attribute", "help of Set")
T.eq(Help("tiko", "CreateDialog"), "tiko.CreateDialog(xml$[,parent$] -- create dialog object from an XML source",
  "help of CreateDialog")

-- The event class and the UTF-8 hook are registered; on a true-colour screen nothing palette-related happens.
T.eq(EventTypes()[1], "Ferrolin", "event class")
T.eq(RunHooks(3, 1), 1, "the UTF-8 mode hook")
T.eq(#PaletteScreenRequests(), 0, "no palette-screen request")

-- A host before 5.2 fails the start; 5.2 starts it, and the host then honours the minimum of 6.1 written back.
local code, out = T.runHost('Require("ferrolin")', "--host-version 5.1")
T.eq(code, 1, "exit code on a 5.1 host")
T.ok(out:find('Plugin "ferrolin" failed to initialise', 1, true), out)
code, out = T.runHost('Require("ferrolin")', "--host-version 5.2")
T.ok(out:find('Plugin "ferrolin" needs host version 6.1 or later (this is 5.2)', 1, true), out)
code, out = T.runHost('Require("ferrolin"); assert(tiko.CreateApp)', "--host-version 6.1")
T.eq(code, 0, "a 6.1 host loads the plugin: " .. out)

-- The version string is in the plugin file.
local f = assert(io.open(os.getenv("KS_PLUGIN_DIR") .. "/ferrolin.kpl", "rb"))
local bytes = f:read("a")
f:close()
T.ok(bytes:find("$VER: ferrolin.kpl 1.2 (22.09.17) [MorphOS]", 1, true), "version string in the file")
