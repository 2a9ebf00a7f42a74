-- The host services a plugin relies on, reached through the probe plugin.
local T = dofile(os.getenv("KS_TESTLIB"))

-- LoadPlugin publishes without requiring; Require passes the options as a list.
LoadPlugin("probe")
T.eq(probe.Options(), "", "options before any require")
Require("probe", {alpha = 2.5, name = "x"})
local seen = probe.Options()
T.ok(seen:find("^host 10%.0"), "host version handed to RequirePlugin: " .. seen)
T.ok(seen:find(";alpha=2.5", 1, true) and seen:find(";name='x'", 1, true), "option list: " .. seen)
T.eq(Help("probe", "Leak"), "ok=probe.Leak(tag$) -- allocate and keep a block", "help row")
T.eq(Help("probe", "Nothing"), nil, "help of an unknown command")

-- Errors: equal texts get distinct ids above every result count and host code;
-- "%s" and "%d" are filled; host codes name themselves.
local a, b = probe.ErrorIds()
T.ok(a ~= b and a > 99999 and b > 99999, "distinct custom ids")
T.fails("Same text", probe.Fail, 1)
T.eq(LastErrorCode(), a, "last error code")
T.fails("Same text", probe.Fail, 2)
T.eq(LastErrorCode(), b, "last error code of the second message")
T.fails("Object doc7 has no number 42", probe.Fail, 3, "doc7", 42)
T.fails('Unknown option "bar" (error 1222)', probe.Fail, 1222, "bar")
T.fails("Out of memory! (error 1000)", probe.Fail, 1000)
T.fails('Table field "" is missing or has the wrong type! (error 1159)', probe.Fail, 4)
-- Pending arguments are used once: the next error does not inherit them.
T.fails("Object  has no number 0", probe.Fail, 3)

-- Memory: cleared blocks; an injected failure hits the n-th allocation of a tag.
T.eq(probe.AllocFree("t1"), 1, "cleared block")
FailAllocation(2, "t2")
T.eq(probe.AllocFree("t1"), 1, "other tags are not counted")
T.eq(probe.AllocFree("t2"), 1, "first t2 allocation")
T.fails("Out of memory! (error 1000)", probe.AllocFree, "t2")
T.eq(probe.AllocFree("t2"), 1, "injection fires once")
T.eq(HeldMemory(), 0, "nothing held")

-- Hooks: kind 3 learns the UTF-8 mode at once and on every change.
T.eq(probe.Utf8(), 1, "UTF-8 mode at start")
SetUTF8Mode(0)
T.eq(probe.Utf8(), 0, "UTF-8 mode off")
SetUTF8Mode(1)
T.eq(probe.Utf8(), 1, "UTF-8 mode on again")

-- Object types: the query callback answers GetAttribute, its errors become script errors.
T.eq(GetAttribute(probe.Type(), 2, 1), 20, "attribute of object 2")
T.fails("Unknown attribute! (error 1080)", GetAttribute, probe.Type(), 2, 5)
T.fails("Object  has no number 0", GetAttribute, probe.Type(), 9, 1)

-- Text conversion between UTF-8 and ISO-8859-1 in both directions.
local cases = {
  {"plain", 1, 2, "plain"},
  {"caf\xC3\xA9", 1, 2, "caf\xE9"},
  {"caf\xE9", 2, 1, "caf\xC3\xA9"},
  {"\xE2\x82\xAC", 1, 2, nil},   -- the euro sign has no ISO-8859-1 code
  {"bad\xC3", 1, 2, nil},        -- truncated sequence
  {"\xC0\x80", 1, 2, nil},       -- overlong form
}
for _, c in ipairs(cases) do
  T.eq(probe.Convert(c[1], c[2], c[3]), c[4], "conversion of " .. c[1])
end

-- Information queries: application information and words.
SetAppInfo{title = "Demo", author = "Me"}
local title, n = probe.Info(0x1A)
T.eq(title, "Demo", "title")
T.eq(n, 1, "answered count")
T.eq(probe.Info(0x1D), "Me", "author")
T.eq(probe.Info(0x1B), "", "unset version")
T.eq(probe.Info(0x2C), 1, "library errors are raised by default")
SetInfo(0x2C, 0)
T.eq(probe.Info(0x2C), 0, "library errors silenced")
local _, none = probe.Info(0x77)
T.eq(none, 0, "unknown key is not answered")

-- Files: a virtual file is special and is prepared as a real file, removed on release.
DefineVirtualFileFromString("hello\0world", "mem:greeting")
local data, special, left = probe.ReadFile("mem:greeting")
T.eq(data, "hello\0world", "virtual file contents")
T.eq(special, 1, "virtual file is special")
T.eq(left, 0, "prepared file removed on release")
local tmp = os.tmpname()
local f = io.open(tmp, "w"); f:write("disk"); f:close()
local d2, s2 = probe.ReadFile(tmp)
os.remove(tmp)
T.eq(d2, "disk", "ordinary file")
T.eq(s2, 0, "ordinary file is not special")
T.fails('Cannot open file "/no/such/file"! (error 1045)', probe.ReadFile, "/no/such/file")
local text, previous, got, atEnd, fromEnd, removed = probe.FileRoundTrip()
T.eq(text, "cdef", "read after seek")
T.eq(previous, 0, "seek returns the previous position")
T.eq(got, 4, "bytes read")
T.eq(atEnd, 1, "end of file")
T.eq(fromEnd, 6, "previous position before seeking from the end")
T.eq(removed, 1, "temporary file deleted")
