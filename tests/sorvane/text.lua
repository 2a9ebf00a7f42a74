-- Page text: counts, ranges, character geometry, bounded text, and agreement
-- with poppler's pdftotext on the same files.
local T = dofile(os.getenv("KS_TESTLIB"))
local fx = os.getenv("KS_FIXTURES")
Require("sorvane")

pdf.OpenDocument(1, fx .. "/basic.pdf")
pdf.OpenDocument(2, fx .. "/text.pdf")
pdf.OpenDocument(3, fx .. "/blank.pdf")

-- The page must be loaded, and loaded with its text.
local textCommands = {
  {"GetPageLen", {}}, {"GetText", {0, -1}}, {"GetCharBox", {0}}, {"GetCharOrigin", {0}},
  {"GetCharIndexAtPos", {20, 250}}, {"GetRects", {0, -1}}, {"GetBoundedText", {0, 300, 200, 0}},
  {"FindStart", {"x"}}, {"FindNext", {}}, {"FindPrev", {}}, {"GetFindResult", {}},
}
for _, c in ipairs(textCommands) do
  local f = pdf[c[1]]
  T.fails("Cannot find specified PDF page!", f, 1, 1, table.unpack(c[2]))
  T.fails("Page number is out of range!", f, 1, 3, table.unpack(c[2]))
  T.fails("Cannot find specified PDF document!", f, 99, 1, table.unpack(c[2]))
end
pdf.LoadPage(1, 1)
for _, c in ipairs(textCommands) do
  T.fails("You need to load the page's text first!", pdf[c[1]], 1, 1, table.unpack(c[2]))
end
pdf.LoadPage(1, 1, 1)
pdf.LoadPage(1, 2, 1)

-- Whole pages and ranges. Lines end in CR LF.
local page1 = "Hello PDF world\r\nSecond line hello\r\nmono hello"
T.eq(pdf.GetPageLen(1, 1), #page1, "characters on page 1")
T.eq(pdf.GetText(1, 1, 0, -1), page1, "whole page 1")
T.eq(pdf.GetText(1, 2, 0, -1), "Page two", "whole page 2")
local ranges = {
  {0, 5, "Hello"}, {6, 3, "PDF"}, {6, -1, page1:sub(7)}, {#page1 - 1, 1, "o"}, {0, #page1, page1},
}
for _, r in ipairs(ranges) do
  T.eq(pdf.GetText(1, 1, r[1], r[2]), r[3], "GetText from " .. r[1] .. " for " .. r[2])
end
local outOfRange = {{5, 0}, {-1, 3}, {0, -2}, {#page1, 1}, {#page1, -1}, {#page1 - 2, 3}, {0, #page1 + 1}}
for _, r in ipairs(outOfRange) do
  T.fails("Specified character is out of range!", pdf.GetText, 1, 1, r[1], r[2])
  T.fails("Specified character is out of range!", pdf.GetRects, 1, 1, r[1], r[2])
end

-- A page without characters: no text to take a range of, but an empty rectangle's text.
pdf.LoadPage(3, 1, 1)
T.eq(pdf.GetPageLen(3, 1), 0, "blank page length")
T.fails("Specified character is out of range!", pdf.GetText, 3, 1, 0, -1)
T.fails("Specified character is out of range!", pdf.GetRects, 3, 1, 0, -1)
T.eq(pdf.GetBoundedText(3, 1, 0, 100, 100, 0), "", "bounded text of a blank page")

-- Character geometry: "Hello PDF world" was written at (20, 250) in 12-point Helvetica.
local x, y = pdf.GetCharOrigin(1, 1, 0)
T.eq(x, 20.0, "origin x of the first character")
T.eq(y, 250.0, "origin y of the first character")
for i = 0, 14 do
  local left, top, right, bottom = pdf.GetCharBox(1, 1, i)
  if page1:sub(i + 1, i + 1) ~= " " then
    T.ok(left < right and bottom < top, "box of character " .. i .. " has an extent")
    T.ok(bottom >= 247 and top <= 262, "box of character " .. i .. " lies on the first line")
    T.eq(pdf.GetCharIndexAtPos(1, 1, (left + right) / 2, (top + bottom) / 2), i, "hit test of character " .. i)
  end
end
T.eq(pdf.GetCharIndexAtPos(1, 1, 150, 30), -1, "hit test where there is no text")
-- The tolerances are the sizes of a box around the point: half of each on either side.
local left0 = pdf.GetCharBox(1, 1, 0)
T.eq(pdf.GetCharIndexAtPos(1, 1, left0 - 1.5, 253), -1, "hit test just left of the first character")
T.eq(pdf.GetCharIndexAtPos(1, 1, left0 - 1.5, 253, 4, 4), 0, "the same point within the tolerance")
T.eq(pdf.GetCharIndexAtPos(1, 1, left0 - 1.5, 253, 2, 2), -1, "the same point beyond a smaller tolerance")
-- An index the engine rejects gives zeros.
local zeros = {pdf.GetCharBox(1, 1, 1000)}
T.eq(table.concat(zeros, ","), "0.0,0.0,0.0,0.0", "box of a character that does not exist")
x, y = pdf.GetCharOrigin(1, 1, -1)
T.eq(x + y, 0.0, "origin of a character that does not exist")

-- Rectangles: one per line for the whole page, keyed from 0, each covering its line's first character.
local rects = pdf.GetRects(1, 1, 0, -1)
local lineStarts = {0, 17, 36}
for i, start in ipairs(lineStarts) do
  local r = rects[i - 1]
  T.ok(r ~= nil, "rectangle " .. (i - 1))
  local left, top, right, bottom = pdf.GetCharBox(1, 1, start)
  T.ok(r.left <= left + 0.01 and r.right >= right - 0.01 and r.bottom <= bottom + 0.01 and r.top >= top - 0.01,
       "rectangle " .. (i - 1) .. " covers the first character of its line")
end
T.eq(rects[3], nil, "three lines, three rectangles")
local word = pdf.GetRects(1, 1, 6, 3)
T.ok(word[0] and not word[1], "one rectangle for one word")
T.ok(word[0].right - word[0].left < 40, "the word's rectangle is narrower than its line")

-- Bounded text: the band of the first line, then the whole page.
T.eq(pdf.GetBoundedText(1, 1, 0, 262, 200, 246), "Hello PDF world", "text of the first line's band")
T.eq(pdf.GetBoundedText(1, 1, 0, 300, 200, 0), page1, "text of the whole page's rectangle")
T.eq(pdf.GetBoundedText(1, 1, 150, 100, 200, 0), "", "text of an empty corner")

-- Text beyond Latin-1 from an embedded TrueType font, and beyond the Basic Multilingual Plane.
pdf.LoadPage(2, 2, 1)
pdf.LoadPage(2, 3, 1)
T.eq(pdf.GetText(2, 2, 0, -1), "Grüße Ωμέγα Мир", "non-Latin-1 text")
local bold = "\u{1D400}"
T.eq(#bold, 4, "four bytes of UTF-8")
T.eq(pdf.GetText(2, 3, 0, -1), "Bold " .. bold .. " here", "text outside the BMP")
-- The engine counts the character as its two UTF-16 units: half of it is no text.
T.eq(pdf.GetPageLen(2, 3), 12, "a surrogate pair counts twice")
T.eq(pdf.GetText(2, 3, 5, 2), bold, "both halves")
T.eq(pdf.GetText(2, 3, 5, 1), "", "the high half alone")
T.eq(pdf.GetText(2, 3, 6, 1), "", "the low half alone")
T.eq(pdf.GetText(2, 3, 4, 4), " " .. bold .. " ", "the pair inside a range")
T.eq(pdf.GetBoundedText(2, 3, 0, 200, 300, 0), "Bold " .. bold .. " here", "bounded text outside the BMP")

-- Out of memory for either buffer of GetText or GetBoundedText; nothing is left
-- behind (the host reports held memory at exit).
for _, tag in ipairs({"buf", "outbuf"}) do
  FailAllocation(1, tag)
  T.fails("Out of memory! (error 1000)", pdf.GetText, 1, 1, 0, -1)
  FailAllocation(1, tag)
  T.fails("Out of memory! (error 1000)", pdf.GetBoundedText, 1, 1, 0, 300, 200, 0)
end
FailAllocation(0)
T.eq(pdf.GetText(1, 1, 0, 5), "Hello", "text once memory is there again")

-- Whole pages agree with poppler's pdftotext, white space aside.
local function normal(s) return (s:gsub("%s+", " "):gsub("^ ", ""):gsub(" $", "")) end
local function pdftotext(file, page)
  local p = assert(io.popen(string.format("pdftotext -q -enc UTF-8 -f %d -l %d '%s' -", page, page, file)))
  local out = p:read("a")
  T.ok(p:close(), "pdftotext ran on " .. file)
  return out
end
local pages = {{1, "basic.pdf", 1}, {1, "basic.pdf", 2}, {2, "text.pdf", 1}, {2, "text.pdf", 2}, {2, "text.pdf", 3}}
for _, c in ipairs(pages) do
  local id, file, page = c[1], c[2], c[3]
  pdf.LoadPage(id, page, 1)
  local ours = normal(pdf.GetText(id, page, 0, -1))
  T.ok(#ours > 0, file .. " page " .. page .. " has text")
  T.eq(ours, normal(pdftotext(fx .. "/" .. file, page)), file .. " page " .. page .. " against pdftotext")
end
