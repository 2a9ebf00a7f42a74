-- Builds a small illustrated report with the PDF creation methods (a title
-- page, an outline, a chart drawn with paths, an image from a brush, a table
-- of text, page labels), renders its first page to a PNG, and reads the file
-- back with the reading commands.
--   kestrune report.lua [OUTPUT_FOLDER]     (default: ../build/report)
Require("sorvane")

local out = arg and arg[1] or "../build/report"
os.execute("mkdir -p '" .. out .. "'")
local pdfPath = out .. "/report.pdf"

local quarters = {
  {"Q1", 120, 95}, {"Q2", 150, 110}, {"Q3", 135, 140}, {"Q4", 180, 150},
}

local doc = pdf.CreateDocument()
doc:SetCompressionMode(HPDF_COMP_ALL)
doc:SetInfoAttr(HPDF_INFO_TITLE, "Sorvane sample report")
doc:SetInfoAttr(HPDF_INFO_AUTHOR, "Sorvane")
local now = os.date("!*t")
doc:SetInfoDateAttr(HPDF_INFO_CREATION_DATE, {year = now.year, month = now.month, day = now.day, hour = now.hour,
  minutes = now.min, seconds = now.sec, ind = "Z"})
doc:SetPageMode(HPDF_PAGE_MODE_USE_OUTLINE)
local bold = doc:GetFont("Helvetica-Bold")
local body = doc:GetFont(doc:LoadFont("Bitstream Vera Sans"), "WinAnsiEncoding")

local function heading(page, text, y)
  page:BeginText()
  page:SetFontAndSize(bold, 20)
  page:TextOut(60, y, text)
  page:EndText()
end

-- Title page.
local title = doc:AddPage()
title:SetSize(HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT)
title:SetRGBFill(0.12, 0.24, 0.45)
title:Rectangle(0, 600, title:GetWidth(), 242)
title:Fill()
title:BeginText()
title:SetRGBFill(1, 1, 1)
title:SetFontAndSize(bold, 34)
title:TextOut(60, 720, "Sample report")
title:SetFontAndSize(body, 14)
title:TextOut(60, 690, "Made with the Sorvane PDF plugin")
title:EndText()
local badge = CreateBrush(nil, 64, 64, 0xFFE8A33D)
local image = doc:CreateImageFromBrush(badge, {usejpeg = 1, quality = 85})
FreeBrush(badge)
title:DrawImage(image, 440, 640, 96, 96)

-- The chart: bars and a line drawn with paths.
local chart = doc:AddPage()
heading(chart, "Sales and costs", 780)
local x0, y0, scale = 80, 450, 1.5
chart:SetLineWidth(1)
chart:SetGrayStroke(0.3)
chart:MoveTo(x0, y0)
chart:LineTo(x0 + 420, y0)
chart:MoveTo(x0, y0)
chart:LineTo(x0, y0 + 300)
chart:Stroke()
for i, q in ipairs(quarters) do
  local x = x0 + 20 + (i - 1) * 100
  chart:SetRGBFill(0.2, 0.45, 0.75)
  chart:Rectangle(x, y0, 40, q[2] * scale)
  chart:Fill()
  chart:BeginText()
  chart:SetFontAndSize(body, 11)
  chart:SetRGBFill(0, 0, 0)
  chart:TextOut(x + 10, y0 - 16, q[1])
  chart:EndText()
end
chart:SetRGBStroke(0.85, 0.3, 0.2)
chart:SetLineWidth(2.5)
chart:SetDash({[0] = 6, 3}, 0)
for i, q in ipairs(quarters) do
  local x, y = x0 + 40 + (i - 1) * 100, y0 + q[3] * scale
  if i == 1 then chart:MoveTo(x, y) else chart:LineTo(x, y) end
end
chart:Stroke()
chart:SetDash()
local veil = doc:CreateExtGState()
veil:SetAlphaFill(0.25)
chart:GSave()
chart:SetExtGState(veil)
chart:SetRGBFill(0.85, 0.3, 0.2)
chart:Circle(x0 + 340, y0 + 225, 30)
chart:Fill()
chart:GRestore()

-- The table.
local tablePage = doc:AddPage()
heading(tablePage, "Figures", 780)
local rows = {{"Quarter", "Sales", "Costs", "Margin"}}
for _, q in ipairs(quarters) do rows[#rows + 1] = {q[1], tostring(q[2]), tostring(q[3]), tostring(q[2] - q[3])} end
tablePage:SetLineWidth(0.5)
for r, row in ipairs(rows) do
  local y = 740 - r * 24
  tablePage:BeginText()
  tablePage:SetFontAndSize(r == 1 and bold or body, 12)
  for c, cell in ipairs(row) do tablePage:TextOut(70 + (c - 1) * 110, y + 7, cell) end
  tablePage:EndText()
  tablePage:MoveTo(60, y)
  tablePage:LineTo(500, y)
  tablePage:Stroke()
end

-- Outline, links and labels.
local root = doc:CreateOutline(nil, "Sample report", nil)
root:SetOpened(1)
title:BeginText()
title:SetFontAndSize(bold, 16)
title:SetRGBFill(0, 0, 0)
title:TextOut(60, 540, "Contents")
title:EndText()
for i, entry in ipairs({{title, "Title"}, {chart, "Sales and costs"}, {tablePage, "Figures"}}) do
  local dest = entry[1]:CreateDestination()
  dest:SetFit()
  doc:CreateOutline(root, entry[2], nil):SetDestination(dest)
  if i > 1 then
    local y = 540 - (i - 1) * 24
    title:BeginText()
    title:SetFontAndSize(body, 13)
    title:TextOut(72, y, entry[2])
    title:EndText()
    local link = title:CreateLinkAnnot({left = 68, bottom = y - 5, right = 300, top = y + 15}, dest)
    link:SetLinkAnnotBorderStyle(0, 0, 0)
  end
end
doc:AddPageLabel(0, HPDF_PAGE_NUM_STYLE_LOWER_ROMAN, 1)
doc:AddPageLabel(1, HPDF_PAGE_NUM_STYLE_DECIMAL, 1, "P-")
assert(doc:SaveToFile(pdfPath) == 0)
doc:Free()
print("PDF written: " .. pdfPath)

-- Reading the file back: pages, labels, bookmarks, text, and the first page as a PNG.
pdf.OpenDocument(1, pdfPath)
print("Pages: " .. GetAttribute(pdf.GetObjectType(), 1, PDFATTRPAGES))
for page = 1, 3 do print(string.format("Page %d is labelled %s", page, pdf.GetPageLabel(1, page))) end
-- Bookmark tables count from 0, in sibling order.
local function walk(marks, depth)
  local i = 0
  while marks[i] do
    print(string.rep("  ", depth) .. "Bookmark: " .. marks[i].title)
    walk(marks[i].children, depth + 1)
    i = i + 1
  end
end
walk(pdf.GetBookmarks(1), 0)
pdf.LoadPage(1, 3, 1)
print("Text of page 3: " .. pdf.GetText(1, 3, 0, -1):gsub("%s+", " "))
local brush = pdf.GetBrush(1, 1, nil)
SaveBrush(brush, out .. "/report-page1.png")
FreeBrush(brush)
print("First page as PNG: " .. out .. "/report-page1.png")
pdf.CloseDocument(1)
