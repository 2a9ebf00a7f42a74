-- Links, bookmarks, information entries, page labels, page boxes and the
-- conversion between page and device coordinates.
local T = dofile(os.getenv("KS_TESTLIB"))
local fx = os.getenv("KS_FIXTURES")
Require("sorvane")

pdf.OpenDocument(1, fx .. "/basic.pdf")
pdf.OpenDocument(2, fx .. "/structure.pdf")
pdf.OpenDocument(3, fx .. "/links.pdf")
pdf.OpenDocument(4, fx .. "/text.pdf")
pdf.OpenDocument(5, fx .. "/cyclic.pdf")

T.eq(PDFACTION_UNSUPPORTED * 10000 + PDFACTION_GOTO * 1000 + PDFACTION_REMOTEGOTO * 100 + PDFACTION_URI * 10 +
     PDFACTION_LAUNCH, 1234, "action codes")

-- Links: one line per link, in order, keys from 0.
local function describe_links(t)
  local lines, i = {}, 0
  while t[i] do
    local l = t[i]
    lines[#lines + 1] = string.format("%g %g %g %g %d %s", l.left, l.top, l.right, l.bottom, l.action, l.target)
    i = i + 1
  end
  local keys = 0
  for _ in pairs(t) do keys = keys + 1 end
  T.eq(keys, i, "keys 0 to n-1 only")
  return table.concat(lines, "\n")
end

for _, c in ipairs({{"GetPageLinks"}, {"GetMediaBox"}, {"GetCropBox"}}) do
  T.fails("Cannot find specified PDF page!", pdf[c[1]], 2, 1)
  T.fails("Page number is out of range!", pdf[c[1]], 2, 4)
  T.fails("Cannot find specified PDF document!", pdf[c[1]], 42, 1)
end
pdf.LoadPage(2, 1)
pdf.LoadPage(2, 2)
T.eq(describe_links(pdf.GetPageLinks(2, 1)),
     "20 40 100 20 1 3\n20 80 100 60 3 https://example.org/sorvane", "internal and URI links")
T.eq(next(pdf.GetPageLinks(2, 2)), nil, "a page without links")

-- Every kind of action; the link that leads nowhere takes no index. A remote go-to
-- names the other file, not a page of this one.
pdf.LoadPage(3, 1)
local expected = table.concat({
  "20 270 120 250 1 2",
  "20 210 120 190 3 https://example.org/uri",
  "20 180 120 160 4 tools/run.sh",
  "20 150 120 130 2 other.pdf",
  "20 120 120 100 0 ",
  "20 90 120 70 1 2",
}, "\n")
T.eq(describe_links(pdf.GetPageLinks(3, 1)), expected, "links of every action kind")
T.eq(math.type(pdf.GetPageLinks(3, 1)[0].target), "integer", "a page target is a number")

-- Without memory for a path or URI the target is empty; the next link of the kind is whole.
FailAllocation(1, "uribuf")
T.eq(pdf.GetPageLinks(3, 1)[1].target, "", "URI without memory")
FailAllocation(1, "launchbuf")
local partial = pdf.GetPageLinks(3, 1)
T.eq(partial[2].target .. "|" .. partial[3].target, "|other.pdf", "launch without memory, then a remote go-to")

-- GetBrush hands out the same table as its second result when asked to.
T.eq(select("#", pdf.GetBrush(3, 1, 7)), 0, "a numbered brush alone gives no results")
local zero, links = pdf.GetBrush(3, 1, 8, 0, 1)
T.eq(zero, 0, "0 in place of a numbered brush's id")
T.eq(describe_links(links), expected, "links with a numbered brush")
local brush, links2 = pdf.GetBrush(3, 1, nil, 1, 1)
T.eq(type(brush), "userdata", "automatic brush id")
T.eq(describe_links(links2), expected, "links with an automatic brush")
FreeBrush(7)
FreeBrush(8)
FreeBrush(brush)

-- Bookmarks as one line: title=action:target(children).
local allowed = {title = true, action = true, target = true, children = true}
local function describe_bookmarks(t)
  local parts, i = {}, 0
  while t[i] do
    local b = t[i]
    for k in pairs(b) do T.ok(allowed[k], "field " .. tostring(k) .. " of a bookmark") end
    T.eq(type(b.children), "table", "children of " .. tostring(b.title))
    T.eq(b.action == nil, b.target == nil, "action and target of " .. tostring(b.title) .. " come together")
    local head = b.title .. (b.action and ("=" .. b.action .. ":" .. b.target) or "")
    parts[#parts + 1] = head .. "(" .. describe_bookmarks(b.children) .. ")"
    i = i + 1
  end
  return table.concat(parts, " ")
end
local outlines = {
  {2, "Contents(First chapter=1:1(Section 1.1=1:2()) Last chapter=1:3())", "nested, without and with destinations"},
  {3, "Web site=3:https://example.org/(Tool=4:tools/run.sh()) Page 2 by action=1:2()", "bookmarks with actions"},
  {4, "Ωμέγα=1:2()", "a title beyond Latin-1"},
  {1, "", "a document without an outline"},
  -- B leads back to A, and A's child C holds A again: each bookmark is listed once.
  {5, "A(C=1:1()) B()", "an outline that loops"},
}
for _, c in ipairs(outlines) do
  T.eq(describe_bookmarks(pdf.GetBookmarks(c[1])), c[2], c[3])
end
T.fails("Cannot find specified PDF document!", pdf.GetBookmarks, 42)
-- A title without memory is left out; the rest of the entry stays.
for _, tag in ipairs({"buf", "ubuf"}) do
  FailAllocation(1, tag)
  local first = pdf.GetBookmarks(2)[0]
  T.eq(first.title, nil, "title without memory for " .. tag)
  T.eq(first.children[0].title, "First chapter", "the next title")
end

-- A very deep outline is cut at 256 levels: the last level listed has no children.
pdf.OpenDocument(6, fx .. "/deep.pdf")
local level, t = 0, pdf.GetBookmarks(6)
while t[0] do
  level = level + 1
  T.eq(t[0].title, "L" .. level, "title at level " .. level)
  t = t[0].children
end
T.eq(level, 256, "levels listed")
pdf.CloseDocument(6)

-- Information entries, against poppler's pdfinfo.
local function pdfinfo(file)
  local p = assert(io.popen(string.format("pdfinfo -enc UTF-8 '%s'", file)))
  local info = {}
  for line in p:lines() do
    local key, value = line:match("^(%a+):%s+(.-)%s*$")
    if key then info[key] = value end
  end
  T.ok(p:close(), "pdfinfo ran on " .. file)
  return info
end
local TYPE = pdf.GetObjectType()
local files = {{1, "basic.pdf"}, {2, "structure.pdf"}, {3, "links.pdf"}, {4, "text.pdf"}}
for _, c in ipairs(files) do
  local info = pdfinfo(fx .. "/" .. c[2])
  T.eq(GetAttribute(TYPE, c[1], PDFATTRPAGES), tonumber(info.Pages), "pages of " .. c[2])
  for _, key in ipairs({"Title", "Author", "Producer"}) do
    T.eq(pdf.GetMetaText(c[1], key), info[key] or "", key .. " of " .. c[2])
  end
end
T.eq(pdf.GetMetaText(2, "Title"), "Café crème", "Latin-1 title")
T.eq(pdf.GetMetaText(4, "Title"), "Ωmega → Ж", "title beyond Latin-1")
T.eq(pdf.GetMetaText(2, "NoSuchEntry"), "", "unknown entry")
T.fails("Cannot find specified PDF document!", pdf.GetMetaText, 42, "Title")
for _, tag in ipairs({"buf", "ubuf"}) do
  FailAllocation(1, tag)
  T.eq(pdf.GetMetaText(2, "Title"), "", "title without memory for " .. tag)
  FailAllocation(1, tag)
  T.eq(pdf.GetPageLabel(2, 2), "", "label without memory for " .. tag)
end

-- Page labels, from pages that were never loaded.
local labels = {{2, 1, "i"}, {2, 2, "A-1"}, {2, 3, "A-2"}, {1, 1, ""}, {1, 2, ""}}
for _, c in ipairs(labels) do
  T.eq(pdf.GetPageLabel(c[1], c[2]), c[3], "label of page " .. c[2] .. " of document " .. c[1])
end
T.fails("Page number is out of range!", pdf.GetPageLabel, 2, 4)
T.fails("Page number is out of range!", pdf.GetPageLabel, 2, 0)
T.fails("Cannot find specified PDF document!", pdf.GetPageLabel, 42, 1)

-- Boxes as left, top, right, bottom; a page without a crop box gives zeros.
pdf.LoadPage(1, 1)
pdf.LoadPage(3, 2)
local boxes = {
  {"GetMediaBox", 1, 1, "0 300 200 0"},
  {"GetCropBox", 1, 1, "0 0 0 0"},
  {"GetMediaBox", 3, 2, "0 300 300 0"},
  {"GetCropBox", 3, 2, "10 280 250 20"},
}
for _, c in ipairs(boxes) do
  local l, t, r, b = pdf[c[1]](c[2], c[3])
  T.eq(string.format("%g %g %g %g", l, t, r, b), c[4], c[1] .. " of document " .. c[2] .. " page " .. c[3])
end

-- Coordinates: page 1 of basic.pdf (200 x 300 points) shown at (10, 20) in 400 x 600 pixels.
local corners = {
  -- rotation, page x, page y, device x, device y
  {0, 0, 300, 10, 20}, {0, 200, 0, 410, 620},
  {1, 0, 300, 410, 20}, {1, 200, 0, 10, 620},
  {2, 0, 300, 410, 620}, {2, 200, 0, 10, 20},
  {3, 0, 300, 10, 620}, {3, 200, 0, 410, 20},
}
for _, c in ipairs(corners) do
  local dx, dy = pdf.PageToDevice(1, 1, 10, 20, 400, 600, c[1], c[2], c[3])
  T.eq(math.type(dx), "integer", "device coordinates are integers")
  T.eq(dx .. "," .. dy, c[4] .. "," .. c[5], string.format("corner (%g, %g) at rotation %d", c[2], c[3], c[1]))
end
-- Page to device and back stays within a pixel: at most 300/400 points here.
local points = {{0, 0}, {200, 300}, {57.3, 123.4}, {199.5, 0.5}, {100, 150}}
for rotate = 0, 3 do
  for _, p in ipairs(points) do
    local dx, dy = pdf.PageToDevice(1, 1, 10, 20, 400, 600, rotate, p[1], p[2])
    local px, py = pdf.DeviceToPage(1, 1, 10, 20, 400, 600, rotate, dx, dy)
    T.ok(math.abs(px - p[1]) <= 0.75 and math.abs(py - p[2]) <= 0.75,
         string.format("(%g, %g) at rotation %d came back as (%g, %g)", p[1], p[2], rotate, px, py))
  end
end
T.fails("Cannot find specified PDF page!", pdf.PageToDevice, 1, 2, 0, 0, 100, 100, 0, 1, 1)
T.fails("Cannot find specified PDF page!", pdf.DeviceToPage, 1, 2, 0, 0, 100, 100, 0, 1, 1)
