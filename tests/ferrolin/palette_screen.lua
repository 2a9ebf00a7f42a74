-- Requiring the GUI plugin while the widget layer's screen has 8 or fewer bit
-- planes takes the palette-screen path through the host.
local T = dofile(os.getenv("KS_TESTLIB"))
local REQUIRE = "You need to @REQUIRE this plugin before you can call its functions!"

LoadPlugin("robot")
robot.Screen(800, 600, 8)
Require("ferrolin")
local requests = PaletteScreenRequests()
T.eq(#requests, 1, "one palette-screen request")
T.eq(requests[1].plugin, "ferrolin", "requesting plugin")
T.eq(requests[1].mode, 1, "mode")
T.eq(requests[1].options[1], 10, "option list {1: 10}")

-- When the host refuses, its error comes back and the plugin stays unrequired.
local code, out = T.runHost(string.format([[
  LoadPlugin("robot"); robot.Screen(800, 600, 4); SetPaletteScreenResult(1087)
  local ok, err = pcall(Require, "ferrolin")
  assert(not ok and err:find("(error 1087)", 1, true), tostring(err))
  local ok2, err2 = pcall(tiko.HaveObject, "x")
  assert(not ok2 and err2 == %q, tostring(err2))
]], REQUIRE))
T.eq(code, 0, "refused palette screen:\n" .. out)

-- A true-colour screen makes no request.
code, out = T.runHost([[
  LoadPlugin("robot"); robot.Screen(800, 600, 32, 11)
  Require("ferrolin")
  assert(#PaletteScreenRequests() == 0, "no request on a true-colour screen")
]])
T.eq(code, 0, "true-colour screen:\n" .. out)
