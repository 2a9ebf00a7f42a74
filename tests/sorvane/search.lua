-- Searching page text: every occurrence forward and backward, the flags, the
-- start index, and the life of a page's search.
local T = dofile(os.getenv("KS_TESTLIB"))
local fx = os.getenv("KS_FIXTURES")
Require("sorvane")

pdf.OpenDocument(1, fx .. "/text.pdf")
pdf.LoadPage(1, 1, 1)
pdf.LoadPage(1, 2, 1)
-- Page 1: "The cat sat on the mat.\r\nCat, CAT and concatenate."
--           0   4                     25   30      38 41

T.fails("Find hasn't been initiated yet!", pdf.FindNext, 1, 1)
T.fails("Find hasn't been initiated yet!", pdf.FindPrev, 1, 1)
T.fails("Find hasn't been initiated yet!", pdf.GetFindResult, 1, 1)

-- Runs a search to its end and back; returns the match indices either way. Each
-- match forward is checked against the page text (`matched`, by default the
-- search text; ASCII letters in either case).
local function run(page, s, flags, start, matched)
  matched = matched or s
  pdf.FindStart(1, page, s, flags, start)
  local forward, backward = {}, {}
  while pdf.FindNext(1, page) == 1 do
    local idx, len = pdf.GetFindResult(1, page)
    T.eq(len, utf8.len(matched), "length of the match at " .. idx)
    if not matched:find("[\x80-\xFF]") then
      T.eq(pdf.GetText(1, page, idx, len):lower(), matched:lower(), "text of the match at " .. idx)
    end
    forward[#forward + 1] = idx
  end
  while pdf.FindPrev(1, page) == 1 do backward[#backward + 1] = (pdf.GetFindResult(1, page)) end
  return table.concat(forward, " "), table.concat(backward, " ")
end

local cases = {
  -- text, flags, start, found going forward, then going back from the end
  {"cat", nil, nil, "4 25 30 41", "30 25 4"},
  {"cat", PDFFIND_MATCHCASE, 0, "4 41", "4"},
  {"cat", PDFFIND_MATCHWHOLEWORD, 0, "4 25 30", "25 4"},
  {"cat", PDFFIND_MATCHCASE | PDFFIND_MATCHWHOLEWORD, 0, "4", ""},
  {"CAT", PDFFIND_MATCHCASE, 0, "30", ""},
  {"at", PDFFIND_MATCHWHOLEWORD, 0, "", ""},
  {"cat", 0, 10, "25 30 41", "30 25 4"},
  {"cat", 0, 30, "30 41", "30 25 4"},
  {"mat.", 0, 0, "19", ""},
  {"dog", 0, 0, "", ""},
}
for _, c in ipairs(cases) do
  local forward, backward = run(1, c[1], c[2], c[3])
  local what = string.format("%q flags %s from %s", c[1], tostring(c[2]), tostring(c[3]))
  T.eq(forward, c[4], what .. " forward")
  T.eq(backward, c[5], what .. " backward")
end

-- Before the first step there is no match; the length is that of the match.
pdf.FindStart(1, 1, "concatenate")
T.eq(select("#", pdf.GetFindResult(1, 1)), 2, "two results")
T.eq(pdf.FindNext(1, 1), 1, "found")
local idx, len = pdf.GetFindResult(1, 1)
T.eq(idx * 100 + len, 3811, "index and length of the match")

-- A second FindStart replaces the first search.
pdf.FindStart(1, 1, "cat")
pdf.FindNext(1, 1)
pdf.FindStart(1, 1, "and")
T.eq(pdf.FindNext(1, 1), 1, "the new search finds its text")
T.eq((pdf.GetFindResult(1, 1)), 34, "match of the new search")
T.eq(pdf.FindNext(1, 1), 0, "no second match")

-- Search text beyond Latin-1 goes to the engine as UTF-16.
local unicode = {
  {"Ωμέγα", 0, "6"}, {"ωμέγα", 0, "6"}, {"ωμέγα", PDFFIND_MATCHCASE, ""}, {"Мир", 0, "12"}, {"üß", 0, "2"},
}
for _, c in ipairs(unicode) do
  T.eq((run(2, c[1], c[2], 0)), c[3], string.format("search for %q", c[1]))
end

-- Empty text, or text that is not UTF-8 from its first byte on, starts no search and
-- leaves the page without one.
for _, s in ipairs({"", "\x80cat", "\0cat"}) do
  pdf.FindStart(1, 1, "cat")
  T.fails("Error starting find!", pdf.FindStart, 1, 1, s)
  T.fails("Find hasn't been initiated yet!", pdf.FindNext, 1, 1)
end
-- Text that turns invalid later is searched for up to that point.
T.eq((run(1, "conc\xFFxyz", 0, 0, "conc")), "38", "search text cut at an invalid byte")

-- FreePage releases the search: a reloaded page has none.
pdf.FindStart(1, 1, "cat")
pdf.FreePage(1, 1)
pdf.LoadPage(1, 1, 1)
T.fails("Find hasn't been initiated yet!", pdf.FindNext, 1, 1)
-- CloseDocument and FreeLibrary release open searches too: the host reports any memory left.
pdf.FindStart(1, 1, "cat")
pdf.FindStart(1, 2, "Мир")
pdf.CloseDocument(1)
pdf.OpenDocument(2, fx .. "/text.pdf")
pdf.LoadPage(2, 1, 1)
pdf.FindStart(2, 1, "the")
