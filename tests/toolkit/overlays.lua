-- Menus opened by the robot and requesters, drawn over the windows so that a
-- screenshot of the screen shows them; the pictures are saved for a person.
local T = dofile(os.getenv("KS_TESTLIB"))
Require("robot")

local dir = os.getenv("KS_TEST_DATA") or "/tmp"
local FILL, BACK, TEXT = 0x4A78B8, 0xC8C8C8, 0x000000

robot.Window{title = "Notes", name = "notes", width = 360, height = 200,
  menus = {
    {"Project",
      {"Open...", shortcut = "O", name = "open"},
      {"Save", shortcut = "S"},
      {"Save as...", shortcut = "Cmd+Shift+S", command = 1},
      {"-"},
      {"Recent", {"notes.txt"}, {"todo.txt"}},
      {"Print", disabled = 1},
      {"-"},
      {"Quit", shortcut = "Q"}},
    {"Settings",
      {"Word wrap", check = 1, checked = 1, toggle = 1, name = "wrap"},
      {"Small", check = 1, exclude = 2},
      {"Large", check = 1, checked = 1, exclude = 1}}},
  root = {"vgroup",
    {"list", name = "lines", entries = {"Buy milk", "Post letters"},
     context = {{"Edit", {"Copy", shortcut = "C"}, {"-"}, {"Delete", disabled = 1}}}},
    {"button", name = "ok", text = "_Done"}}}

-- Which of a box's pixels look like text: anything that is not the background.
local function inked(x0, y0, w, h, background)
  local n = 0
  for y = y0, y0 + h - 1 do
    for x = x0, x0 + w - 1 do
      if robot.ScreenPixel(x, y) ~= background then n = n + 1 end
    end
  end
  return n
end

-- A window's menu opens under its title bar and stays until the next action.
local wl, wt, ww = robot.Box("notes")
robot.OpenMenu({window = "notes"}, "Project")
T.eq(robot.Pump(), 1, "the opening was handled")
local shown, ml, mt, mw, mh = robot.Overlay("menu")
T.eq(shown, 1, "the menu is open")
T.ok(ml >= wl and mt > wt and mt < wt + 40, "it hangs below the window's title bar")
T.ok(mw > 100 and mh > 8 * 16, "it is big enough for its eight rows")
T.eq(robot.ScreenPixel(ml + mw // 2, mt + 4), FILL, "the menu's title bar")
-- Rows: the separator is a thin row, the disabled item is grey, enabled text is black.
local _, _, _, _, h4 = robot.Overlay("menu", 4)
local _, _, _, _, h1 = robot.Overlay("menu", 1)
T.ok(h4 < h1, "a separator row is thinner than an item row")
local function darkest(x0, y0, w, h)
  local d = 255
  for y = y0, y0 + h - 1 do
    for x = x0, x0 + w - 1 do d = math.min(d, robot.ScreenPixel(x, y) & 0xFF) end
  end
  return d
end
local _, pl, pt, pw, ph = robot.Overlay("menu", 6)
T.ok(darkest(pl, pt, pw, ph) >= 0x80, "the disabled item is drawn grey")
local _, el, et, ew, eh = robot.Overlay("menu", 5)
T.ok(darkest(el, et, ew, eh) < 0x40, "an enabled item is drawn black")
local _, ol, ot, ow, oh = robot.Overlay("menu", 1)
T.ok(inked(ol + ow - 40, ot, 40, oh, BACK) > 5, "the shortcut stands at the right of Open")
T.eq(robot.Screenshot(dir .. "/robot_menu.png"), 1, "screen with the open menu")

-- Picking an item closes the menu and picks it.
robot.Menu({window = "notes", label = "Settings/Word wrap"})
robot.Pump()
T.eq((robot.Overlay("menu")), 0, "picking closed the menu")

-- The second menu opens further right, with its check marks.
robot.OpenMenu({window = "notes"}, "Settings")
robot.Pump()
local _, sl = robot.Overlay("menu")
T.ok(sl > ml + 30, "Settings opens right of Project")
local _, cl, ct, _, ch = robot.Overlay("menu", 1)
local _, kl, kt, _, kh = robot.Overlay("menu", 2)
local _, ll, lt, _, lh = robot.Overlay("menu", 3)
T.eq(inked(cl, ct, 16, ch, BACK), 0, "Word wrap was unticked by the pick")
T.eq(inked(kl, kt, 16, kh, BACK), 0, "Small is not ticked")
T.ok(inked(ll, lt, 16, lh, BACK) > 10, "Large is ticked")
robot.CloseMenu()
robot.Pump()
T.eq((robot.Overlay("menu")), 0, "closed")

-- A submenu by its path, and a context menu at its widget.
robot.OpenMenu({window = "notes"}, "Project/Recent")
robot.Pump()
T.eq((robot.Overlay("menu")), 1, "a submenu opens")
robot.OpenMenu("lines", "")
robot.Pump()
local _, xl, xt = robot.Overlay("menu")
local ll2, lt2, lw2, lh2 = robot.Box("lines")
T.eq(xl, wl + ll2 + lw2 // 2, "the context menu opens in the middle of its widget")
T.eq(xt, wt + lt2 + lh2 // 2, "... at its height")
T.eq(robot.Screenshot(dir .. "/robot_context_menu.png"), 1, "screen with the context menu")
robot.OpenMenu("ok", "")
robot.Pump()
T.eq((robot.Overlay("menu")), 0, "a widget without a context menu opens none")
T.ok(robot.InputLog()[#robot.InputLog()]:find("no context menu"), "and the log says why")

-- A requester is shown at once over its window and answers at once.
robot.Answer("label", "Discard")
T.eq(robot.Request("Notes", "\27cThe file \27bnotes.txt\27n was changed.\nSave it first?",
                   "*_Save|_Discard|Cancel", 2), 2, "the queued answer is taken at once")
local rs, rl, rt, rw, rh = robot.Overlay("requester")
T.eq(rs, 1, "the requester is on the screen")
T.ok(rw > 200 and rh > 80, "it has room for its text and buttons")
T.eq(robot.ScreenPixel(rl + rw // 2, rt + 3), FILL, "its title bar")
local _, bl, bt, bw, bh = robot.Overlay("requester", 1)
local _, dl = robot.Overlay("requester", 2)
local _, cl3, _, cw3 = robot.Overlay("requester", 3)
T.ok(bl < dl and dl < cl3, "three buttons from left to right")
T.ok(cl3 + cw3 <= rl + rw, "inside the requester")
T.eq(robot.ScreenPixel(bl - 2, bt + bh // 2), TEXT, "the default button is outlined")
T.ok(robot.ScreenPixel(dl - 2, bt + bh // 2) ~= TEXT, "the others are not")
T.ok(inked(bl + 4, bt + 3, bw - 8, bh - 6, BACK) > 20, "the button has its label")
T.eq(robot.Screenshot(dir .. "/robot_requester.png"), 1, "screen with the requester")
T.eq(robot.RequesterShot(dir .. "/robot_requester_only.png"), 1, "the requester's own picture")

-- The next action takes it off the screen; its picture stays.
robot.Click("ok")
robot.Pump()
T.eq((robot.Overlay("requester")), 0, "gone after the next action")
T.eq(robot.RequesterShot(dir .. "/robot_requester_only.png"), 1, "the picture is kept")

robot.FreeWindows()
