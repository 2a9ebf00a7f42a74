-- The test robot drives the widget layer without the GUI plugin: versions,
-- add-on classes, and requester answers queued ahead and read back.
local T = dofile(os.getenv("KS_TESTLIB"))
Require("robot")

-- Versions: the fourth generation starts after 20.5500.
robot.SetVersion(20, 5500)
local v, r, four = robot.Version()
T.eq(v, 20, "version")
T.eq(r, 5500, "revision")
T.eq(four, 0, "20.5500 is not the fourth generation")
robot.SetVersion(20, 5501)
v, r, four = robot.Version()
T.eq(four, 1, "20.5501 is")

-- Add-on classes: their version strings, and their absence.
robot.SetAddOn("TheBar.mcc", 1, 26, 17)
T.eq(robot.AddOnVersion("TheBar.mcc"), "$VER: TheBar.mcc 26.17 (01.06.2021)", "version string")
robot.SetAddOn("TheBar.mcc", 0)
T.eq(robot.AddOnVersion("TheBar.mcc"), "", "a missing add-on has no version string")
T.eq(robot.AddOnVersion("HTMLview.mcc"):match("^%$VER: HTMLview%.mcc %d+%.%d+"), "$VER: HTMLview.mcc 13.4",
     "installed by default")

-- Requester answers are used in order; without one the default comes back.
robot.Answer("button", 2)
robot.Answer("label", "cancel")
robot.Answer("cancel")
T.eq(robot.PendingAnswers(), 3, "answers queued")
T.eq(robot.Request("Save?", "Save the file?", "_Yes|_Later|Cancel", 2), 2, "second button")
T.eq(robot.Request("Again", "100%% done", "Ok|Cancel"), 0, "by label: the rightmost answers 0")
T.eq(robot.Request("Third", "x", "A|B|C"), 0, "cancel is the rightmost button")
T.eq(robot.Request("Default", "x", "One|*Two|Three"), 2, "nothing queued: the default button")
T.eq(robot.PendingAnswers(), 0, "all answers used")

local log = robot.Requests()
T.eq(#log, 4, "every request logged")
T.eq(log[1].kind, "message", "kind")
T.eq(log[1].title, "Save?", "title")
T.eq(log[1].body, "Save the file?", "body")
T.eq(log[1].buttons, "_Yes|_Later|Cancel", "buttons as given")
T.eq(log[1].icon, 2, "icon code")
T.eq(log[1].queued, 1, "answered from the queue")
T.eq(log[2].body, "100% done", "the body is a format")
T.eq(log[4].queued, 0, "answered by the default")

-- An answer that does not fit the requester is noted, and the default used.
robot.Answer("text", "/tmp/file")
T.eq(robot.Request("Odd", "x", "Yes|No"), 1, "default after an unfitting answer")
T.ok(robot.Requests()[5].note ~= "", "the log says why")
robot.ClearRequests()
T.eq(#robot.Requests(), 0, "log cleared")

T.fails('Unknown option "maybe" (error 1222)', robot.Answer, "maybe")
T.fails('Unknown option "hyper" (error 1222)', robot.Key, "field", "a", "shift hyper")

-- Input waits for an application's pump; with none it stays queued.
robot.Click("nobody")
robot.Click({window = "Main", label = "Ok"})
T.eq(robot.Pending(), 2, "actions queued")
robot.ClearInput()
T.eq(robot.Pending(), 0, "queue emptied")
T.eq(robot.Clock(250), 250, "clock advanced")
