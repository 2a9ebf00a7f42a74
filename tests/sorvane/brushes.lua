-- Pages as vector brushes: pixels, transparency, transforms that render again,
-- brush references that keep documents open, and memory.
local T = dofile(os.getenv("KS_TESTLIB"))
local fx = os.getenv("KS_FIXTURES")
Require("sorvane")

pdf.OpenDocument(1, fx .. "/basic.pdf")
local opaque = pdf.GetBrush(1, 1, nil)
local clear = pdf.GetBrush(1, 1, nil, 1)
T.eq(IsVectorBrush(opaque), true, "page brush is a vector brush")
local w, h = GetBrushSize(opaque)
T.eq(w * 1000 + h, 200300, "natural size: one pixel per point")

-- Where nothing is drawn: opaque white, or fully transparent.
T.eq(ReadPixel(opaque, 190, 10), 0xFFFFFFFF, "empty area of an opaque brush")
T.eq(BrushHasAlpha(opaque), false, "opaque brush reports no alpha")
T.eq(ReadPixel(clear, 190, 10) >> 24, 0, "empty area of a transparent brush")
T.eq(BrushHasAlpha(clear), true, "transparent brush reports alpha")

-- The diagonal line from (20,20) to (180,120) in page points runs through (100,70): brush row 300-70.
local function dark(id, x, y) return (ReadPixel(id, x, y) & 0xFF) < 128 end
T.ok(dark(opaque, 100, 230), "line pixel is dark")
T.ok(not dark(opaque, 100, 200), "pixel off the line is light")

-- Saved pages are PNG files a person can look at.
SaveBrush(opaque, os.getenv("KS_TEST_DATA") .. "/page1.png")

-- A quarter turn swaps the size and makes even an opaque brush report alpha.
RotateBrush(opaque, 90)
w, h = GetBrushSize(opaque)
T.eq(w * 1000 + h, 300200, "size after 90 degrees")
T.eq(BrushHasAlpha(opaque), true, "rotated brush reports alpha")

-- Transforms always start from the original page: up and back down gives the original pixels.
local reference = pdf.GetBrush(1, 1, nil)
local probe = pdf.GetBrush(1, 1, nil)
ScaleBrush(probe, 800, 1200)
ScaleBrush(probe, 200, 300)
local differing = 0
for y = 0, 299, 3 do
  for x = 0, 199, 3 do
    if ReadPixel(probe, x, y) ~= ReadPixel(reference, x, y) then differing = differing + 1 end
  end
end
T.eq(differing, 0, "pixels after scaling up and back down")

-- At 4x the engine renders again: edges stay sharp where a resampled copy blurs.
local function midtones(id, x0, y0, x1, y1)
  local n = 0
  for y = y0, y1 do
    for x = x0, x1 do
      local v = ReadPixel(id, x, y) & 0xFF
      if v > 40 and v < 215 then n = n + 1 end
    end
  end
  return n
end
SaveBrush(reference, os.getenv("KS_TEST_DATA") .. "/reference.png")
local raster = LoadBrush(nil, os.getenv("KS_TEST_DATA") .. "/reference.png")
ScaleBrush(reference, 800, 1200)
ScaleBrush(raster, 800, 1200)
T.eq(IsVectorBrush(raster), false, "the copy is a raster brush")
-- A window around the diagonal line and the first text line.
local sharp, blurred = midtones(reference, 320, 880, 480, 960), midtones(raster, 320, 880, 480, 960)
T.ok(sharp * 2 < blurred, string.format("vector edge pixels %d against resampled %d", sharp, blurred))

-- Brush ids and results: numeric ids return nothing; links add the page's link table.
T.eq(select("#", pdf.GetBrush(1, 2, 10)), 0, "numeric brush id")
local zero, links = pdf.GetBrush(1, 2, 11, 0, 1)
T.eq(zero, 0, "0 in place of the id with links")
T.eq(type(links), "table", "link table")
local id, links2 = pdf.GetBrush(1, 2, nil, 0, 1)
T.eq(type(id), "userdata", "automatic id with links")
T.eq(type(links2), "table", "link table after an automatic id")

-- GetBrushFromPage needs a loaded page.
T.fails("Cannot find specified PDF page!", pdf.GetBrushFromPage, 1, 2, 12)
T.fails("Page number is out of range!", pdf.GetBrush, 1, 3, 12)
pdf.LoadPage(1, 2)
pdf.GetBrushFromPage(1, 2, 12)
pdf.FreePage(1, 2)

-- A document with brushes cannot be closed, nor replaced by a new open under its id.
T.fails("Cannot close PDF while there are brush references to it!", pdf.CloseDocument, 1)
T.fails("Cannot close PDF while there are brush references to it!", pdf.OpenDocument, 1, fx .. "/blank.pdf")
T.eq(GetAttribute(pdf.GetObjectType(), 1, PDFATTRPAGES), 2, "the old document stays open")
for _, b in ipairs({opaque, clear, reference, probe, raster, id, 10, 11, 12}) do FreeBrush(b) end
pdf.CloseDocument(1)

-- Creating, transforming and dropping many brushes leaves nothing held.
pdf.OpenDocument(2, fx .. "/basic.pdf")
local held = HeldMemory()
for i = 1, 40 do
  local b = pdf.GetBrush(2, 1 + i % 2, nil, i % 2)
  if i % 3 == 0 then RotateBrush(b, 30) end
  if i % 4 == 0 then ScaleBrush(b, 50, 70) end
  FreeBrush(b)
end
T.eq(HeldMemory(), held, "host blocks after dropping 40 brushes")
-- Brushes still alive at the end go back to the plugin before the document list is freed.
pdf.GetBrush(2, 1, 20)
