-- A window built straight on the layer through the robot's test hook, saved
-- as a PNG a person can read, and checked pixel by pixel where it matters.
local T = dofile(os.getenv("KS_TESTLIB"))
Require("robot")

local out = (os.getenv("KS_TEST_DATA") or "/tmp") .. "/robot_window.png"

robot.Window{title = "Order", name = "order", root =
  {"vgroup",
    {"vgroup", frame = 9, title = "Customer",
      {"hgroup", {"label", text = "Name:"}, {"string", name = "name", text = "Alice Liddell"}},
      {"hgroup", {"label", text = "Mail:"}, {"string", name = "mail", text = "alice@example.org"}},
      {"hgroup", {"check", name = "member", selected = 1}, {"label", text = "Member since \27b2019\27n"}},
    },
    {"register", titles = {"_Items", "Shipping"},
      {"vgroup",
        {"list", name = "items", entries = {"Tea cup", "Teapot", "Jam tart", "Pocket watch"}, active = 1},
        {"hgroup", {"label", text = "Quantity"}, {"slider", name = "qty", min = 1, max = 12, value = 3}},
      },
      {"vgroup", {"radio", entries = {"Post", "Courier", "Pick up"}, active = 1}},
    },
    {"hgroup", {"label", text = "Packing"}, {"gauge", name = "progress", value = 60, max = 100, info = "%ld %%"}},
    {"hgroup", {"cycle", name = "pay", entries = {"Card", "Invoice", "Cash"}},
               {"colour", name = "wrap", rgb = 0xC03030}},
    {"text", text = "\27cTotal: \27P[1060A0]\27b12.50\27n EUR"},
    {"hgroup", {"button", name = "ok", text = "_Order"}, {"button", name = "cancel", text = "Cancel"},
               {"button", name = "help", text = "Help", disabled = 1}},
  }}

local left, top, width, height = robot.Box("order")
T.ok(width > 200 and height > 200, "the window has a size from its contents")
T.eq(robot.Screenshot(out, "order"), 1, "screenshot written")
local f = io.open(out, "rb")
T.ok(f ~= nil, "the PNG file exists")
T.eq(f:read(8), "\137PNG\r\n\26\n", "it is a PNG file")
f:close()

-- The gauge is filled to 60 %: left of that the fill colour, right of it the field.
local gl, gt, gw, gh = robot.Box("progress")
T.eq(robot.Pixel("order", gl + 4, gt + gh - 4), 0x4A78B8, "gauge filled")
T.eq(robot.Pixel("order", gl + gw - 5, gt + gh - 4), 0xFFFFFF, "gauge empty part")

-- Clicking the cycle steps it and the window shows the new entry.
local before = {}
local cl, ct, cw, ch = robot.Box("pay")
for x = cl + 22, cl + cw - 4 do before[#before + 1] = robot.Pixel("order", x, ct + ch // 2) end
robot.Click("pay")
T.ok(robot.Pump() >= 1, "the click was handled")
local changed = false
for x = cl + 22, cl + cw - 4 do
  if robot.Pixel("order", x, ct + ch // 2) ~= before[x - cl - 21] then changed = true end
end
T.ok(changed, "the cycle shows another entry")

-- A bigger inside is granted as far as the contents allow.
T.eq(robot.Resize("order", 600, 500), 1, "resized")
local _, _, w2, h2 = robot.Box("order")
T.ok(w2 > width and h2 > height, "the window grew")
T.eq(robot.Screenshot((os.getenv("KS_TEST_DATA") or "/tmp") .. "/robot_screen.png"), 1, "whole screen")
robot.FreeWindows()
T.eq(robot.Screenshot(out, "order"), 0, "no window, no screenshot")
