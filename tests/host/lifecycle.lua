-- Loading, refusing and tearing down plugins; the memory report at exit.
local T = dofile(os.getenv("KS_TESTLIB"))

-- A block a plugin keeps is reported by tag and makes the host exit non-zero.
local code, out = T.runHost('Require("probe"); probe.Leak("lostblock")')
T.eq(code, 3, "exit code with memory still held")
T.ok(out:find("memory still held at exit: 1 block", 1, true) and out:find("lostblock", 1, true), out)

-- An uncaught error prints its message and exits non-zero.
code, out = T.runHost('Require("probe"); probe.Fail(1)')
T.eq(code, 1, "exit code of an uncaught error")
T.ok(out:find("Same text", 1, true), out)

-- The environment variable injects a failure as FailAllocation does.
code, out = T.runHost('Require("probe"); probe.AllocFree("x")', "", "KESTRUNE_FAIL_ALLOC=1:x")
T.eq(code, 1, "injected failure from the environment")
T.ok(out:find("Out of memory! (error 1000)", 1, true), out)

-- Missing files and files that are not plugins are refused clearly.
T.failsLike('^Cannot load plugin ".*nothere%.kpl"', Require, "nothere")
local notPlugin = os.getenv("KS_TEST_DATA") .. "/fake.kpl"
local f = io.open(notPlugin, "w"); f:write("KESTRUNE"); f:close()
T.failsLike("^Cannot load plugin \".*fake%.kpl\": ", Require, notPlugin)
os.remove(notPlugin)

-- Options reach scripts only as a table.
T.failsLike("bad argument #2 to 'Require'", Require, "probe", 5)
