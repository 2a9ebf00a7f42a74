-- Annotations, outlines, destinations and graphics states: the table
-- arguments (rect, point, rgb, cmyk, date), the sixteen annotation creators
-- and the annotation methods, checked in the written file.
local T = dofile(os.getenv("KS_TESTLIB"))
local P = dofile("pdftools.lua")
Require("sorvane")

local doc = pdf.CreateDocument()
local page1 = doc:AddPage()
local page2 = doc:AddPage()
local font = doc:GetFont("Helvetica")
local rect = {left = 50, bottom = 700, right = 250, top = 740}

-- Table arguments: a missing or non-numeric field names itself (host code 1159).
local tableCases = {
  {"rect without top", function() return page1:CreateURILinkAnnot({left = 1, bottom = 2, right = 3}, "x") end, "top"},
  {"rect with a text field", function() return page1:CreateSquareAnnot({left = "a", bottom = 2, right = 3, top = 4}, "x", nil) end, "left"},
  {"point without y", function()
     local a = page1:CreateLineAnnot("line", nil)
     return a:SetLineAnnotPosition({x = 1}, HPDF_LINE_ANNOT_NONE, {x = 2, y = 2}, HPDF_LINE_ANNOT_NONE) end, "y"},
  {"rgb without b", function() return page1:CreateTextAnnot(rect, "t", nil):SetRGBColor({r = 1, g = 0}) end, "b"},
  {"cmyk without k", function() return page1:CreateTextAnnot(rect, "t", nil):SetCMYKColor({c = 1, m = 0, y = 0}) end, "k"},
  {"date without seconds", function()
     return page1:CreateHighlightAnnot(rect, "h", nil):SetMarkupAnnotCreationDate(
       {year = 2020, month = 1, day = 2, hour = 3, minutes = 4, ind = "Z"}) end, "seconds"},
}
for _, c in ipairs(tableCases) do
  T.fails('Table field "' .. c[3] .. '" is missing or has the wrong type! (error 1159)', c[2])
  T.eq(LastErrorCode(), 1159, c[1])
end
T.failsLike("table expected", page1.CreateWidgetAnnot, page1, 5)

-- Outlines with destinations.
local root = doc:CreateOutline(nil, "Report", nil)
local dest1 = page1:CreateDestination()
T.eq(dest1:SetXYZ(0, 800, 1), 0, "SetXYZ")
T.eq(root:SetDestination(dest1), 0, "SetDestination")
T.eq(root:SetOpened(1), 0, "SetOpened")
local dest2 = page2:CreateDestination()
T.eq(dest2:SetFit(), 0, "SetFit")
local child = doc:CreateOutline(root, "Second page", nil)
T.eq(child:SetDestination(dest2), 0, "child destination")
for _, c in ipairs({{"SetFitH", 700}, {"SetFitV", 10}, {"SetFitR", 0, 0, 100, 100}, {"SetFitB"}, {"SetFitBH", 5},
                    {"SetFitBV", 6}}) do
  local d = page2:CreateDestination()
  T.eq(d[c[1]](d, table.unpack(c, 2)), 0, c[1])
end
T.eq(doc:SetOpenAction(dest2), 0, "SetOpenAction")
T.eq(doc:SetPageMode(HPDF_PAGE_MODE_USE_OUTLINE), 0, "SetPageMode")
T.eq(doc:GetPageMode(), HPDF_PAGE_MODE_USE_OUTLINE, "GetPageMode")

-- Links.
local link = page1:CreateLinkAnnot(rect, dest2)
T.eq(link:SetLinkAnnotHighlightMode(HPDF_ANNOT_INVERT_BORDER), 0, "highlight mode")
T.eq(link:SetLinkAnnotBorderStyle(2, 65536 + 3, 4), 0, "link border, dash on taken modulo 65536")
local uri = page1:CreateURILinkAnnot({left = 50, bottom = 600, right = 250, top = 640}, "https://example.org/report")
T.eq(uri:SetBorderStyle(HPDF_BS_DASHED, 1.5, 3, 2, 1), 0, "SetBorderStyle with a dash phase")
local nophase = page1:CreateURILinkAnnot({left = 50, bottom = 560, right = 250, top = 580}, "https://example.org/nophase")
T.eq(nophase:SetBorderStyle(HPDF_BS_DASHED, 2.5, 7, 5, 0), 0, "SetBorderStyle without a dash phase")

-- Text and markup annotations.
local note = page1:CreateTextAnnot({left = 300, bottom = 700, right = 330, top = 730}, "A note", nil)
T.eq(note:SetTextAnnotIcon(HPDF_ANNOT_ICON_KEY), 0, "icon")
T.eq(note:SetTextAnnotOpened(1), 0, "opened")
T.eq(note:SetCMYKColor({c = 0, m = 0.5, y = 1, k = 0}), 0, "cmyk colour")
local hl = page1:CreateHighlightAnnot({left = 50, bottom = 500, right = 250, top = 520}, "Highlighted", nil)
T.eq(hl:SetMarkupAnnotTitle("Reviewer"), 0, "title")
T.eq(hl:SetMarkupAnnotSubject("Check"), 0, "subject")
T.eq(hl:SetMarkupAnnotCreationDate({year = 2020, month = 12, day = 5, hour = 8, minutes = 0, seconds = 0, ind = "Z"}), 0,
  "creation date")
T.eq(hl:SetMarkupAnnotTransparency(0.5), 0, "transparency")
T.eq(hl:SetMarkupAnnotQuadPoints({x = 50, y = 500}, {x = 250, y = 500}, {x = 250, y = 520}, {x = 50, y = 520}), 0,
  "quad points")
T.eq(hl:SetRGBColor({r = 1, g = 1, b = 0}), 0, "rgb colour")
local popup = page1:CreatePopupAnnot({left = 260, bottom = 480, right = 400, top = 560}, hl)
T.eq(popup:SetPopupAnnotOpened(0), 0, "popup closed")
T.eq(hl:SetMarkupAnnotPopup(popup), 0, "markup popup")
local creators = {
  {"CreateUnderlineAnnot", rect, "u", nil},
  {"CreateSquigglyAnnot", rect, "s", nil},
  {"CreateStrikeOutAnnot", rect, "x", nil},
  {"CreateTextMarkupAnnot", rect, "m", nil, HPDF_ANNOT_HIGHTLIGHT},
  {"CreateStampAnnot", rect, HPDF_STAMP_ANNOT_DRAFT, "draft", nil},
  {"CreateProjectionAnnot", rect, "p", nil},
  {"CreateCircleAnnot", rect, "c", nil},
  {"CreateFreeTextAnnot", rect, "free text", nil},
}
for _, c in ipairs(creators) do
  local a = page2[c[1]](page2, table.unpack(c, 2, 5))
  T.eq(type(a), "userdata", c[1])
end
local square = page2:CreateSquareAnnot(rect, "square", nil)
T.eq(square:SetMarkupAnnotInteriorRGBColor({r = 0, g = 0, b = 1}), 0, "interior rgb")
T.eq(square:SetMarkupAnnotInteriorCMYKColor({c = 0, m = 0, y = 0, k = 1}), 0, "interior cmyk")
T.eq(square:SetMarkupAnnotInteriorGrayColor(0.5), 0, "interior gray")
T.eq(square:SetMarkupAnnotInteriorTransparent(), 0, "interior transparent")
T.eq(square:SetMarkupAnnotCloudEffect(2), 0, "cloud effect")
T.eq(square:SetMarkupAnnotRectDiff({left = 1, bottom = 2, right = 3, top = 4}), 0, "rect diff")
T.eq(square:SetMarkupAnnotIntent(HPDF_ANNOT_INTENT_POLYGONCLOUD), 0, "intent")
T.eq(square:SetGrayColor(0.25), 0, "gray colour")
T.eq(square:SetNoColor(), 0, "no colour")
local free = page2:CreateFreeTextAnnot({left = 300, bottom = 300, right = 500, top = 350}, "callout", nil)
T.eq(free:SetFreeTextAnnotLineEndingStyle(HPDF_LINE_ANNOT_OPENARROW, HPDF_LINE_ANNOT_NONE), 0, "line endings")
T.eq(free:SetFreeTextAnnot3PointCalloutLine({x = 1, y = 1}, {x = 2, y = 2}, {x = 3, y = 3}), 0, "3-point callout")
T.eq(free:SetFreeTextAnnot2PointCalloutLine({x = 1, y = 1}, {x = 2, y = 2}), 0, "2-point callout")
T.eq(free:SetFreeTextAnnotDefaultStyle("font: 12pt Helvetica"), 0, "default style")
-- CreateLineAnnot takes no rectangle.
local line = page2:CreateLineAnnot("a line", nil)
T.eq(type(line), "userdata", "line annotation")
T.eq(line:SetLineAnnotPosition({x = 100, y = 100}, HPDF_LINE_ANNOT_CIRCLE, {x = 300, y = 200}, HPDF_LINE_ANNOT_CLOSEDARROW),
  0, "line position")
T.eq(line:SetLineAnnotLeader(10, 5, 2), 0, "leader")
T.eq(line:SetLineAnnotCaption(1, HPDF_LINE_ANNOT_CAP_TOP, 3, 4), 0, "caption")
-- libharu 2.3.0 has no widget annotations.
T.fails("HPDF_Page_CreateWidgetAnnot is not available in the libharu this plugin is built with!",
  page2.CreateWidgetAnnot, page2, rect)

-- A graphics state with alpha and a blend mode.
local gs = doc:CreateExtGState()
T.eq(gs:SetAlphaStroke(0.3), 0, "alpha stroke")
T.eq(gs:SetAlphaFill(0.6), 0, "alpha fill")
T.eq(gs:SetBlendMode(HPDF_BM_MULTIPLY), 0, "blend mode")
page2:SetExtGState(gs)
page2:SetRGBFill(0, 0.5, 0)
page2:Rectangle(100, 100, 200, 200)
page2:Fill()
page1:BeginText()
page1:SetFontAndSize(font, 14)
page1:TextOut(55, 715, "Go to page 2")
page1:TextOut(55, 615, "Open the web page")
page1:EndText()

local path = P.path("annotations.pdf")
T.eq(doc:SaveToFile(path), 0, "save")
doc:Free()
P.check(path)

local plain = P.plain(path)
local expected = {
  {"outline titles", "/Title %(Report%)"}, {"child outline", "/Title %(Second page%)"},
  {"uri action", "/URI %(https://example.org/report%)"},
  -- The sixth argument reaches libharu as the dash phase: a nonzero phase adds a third
  -- element. (libharu 2.3.0 writes the dash-off length there instead of the phase.)
  {"SetBorderStyle with a dash phase", "/D %[ 3 2 2 %] /S /D /Type /Border /W 1.5"},
  {"SetBorderStyle without a dash phase", "/D %[ 7 5 %] /S /D /Type /Border /W 2.5"},
  {"link border with dash on modulo 65536", "/Border %[ 0 0 2 %[ 3 4 %] %]"},
  {"highlight mode", "/H /O"}, {"icon", "/Name /Key"}, {"stamp", "/Name /Draft"},
  {"markup title", "/T %(Reviewer%)"}, {"transparency", "/CA 0.5"}, {"quad points", "/QuadPoints %[ 50 500 250 500"},
  {"line ends", "/LE %[ /Circle /ClosedArrow %]"}, {"leader", "/LL 10"}, {"caption", "/CP /Top"},
  {"graphics state alpha", "/ca 0.6"}, {"stroke alpha", "/CA 0.3"}, {"blend mode", "/BM /Multiply"},
  {"page mode", "/PageMode /UseOutlines"},
}
for _, e in ipairs(expected) do T.ok(plain:find(e[2]), e[1] .. " (" .. e[2] .. ")") end
for _, subtype in ipairs({"Link", "Text", "Highlight", "Popup", "Underline", "Squiggly", "StrikeOut", "Stamp",
                          "Square", "Circle", "FreeText", "Line"}) do
  T.ok(plain:find("/Subtype /" .. subtype .. " "), subtype .. " annotation")
end
T.ok(P.text(path, 1):find("Go to page 2"), "page text")

-- Read back through the plugin: the outline as bookmarks, the links, a rendered page.
pdf.OpenDocument(1, path)
local marks = pdf.GetBookmarks(1)
T.eq(marks[0].title, "Report", "top bookmark")
T.eq(marks[0].children[0].title, "Second page", "child bookmark")
T.eq(marks[0].children[0].action, PDFACTION_GOTO, "child bookmark goes to a page")
T.eq(marks[0].children[0].target, 2, "child bookmark's page")
pdf.LoadPage(1, 1)
local links = pdf.GetPageLinks(1, 1)
local seen = {}
local i = 0
while links[i] do
  seen[#seen + 1] = string.format("%d %s", links[i].action, tostring(links[i].target))
  i = i + 1
end
table.sort(seen)
T.eq(table.concat(seen, ";"), string.format("%d 2;%d https://example.org/nophase;%d https://example.org/report",
  PDFACTION_GOTO, PDFACTION_URI, PDFACTION_URI), "links of page 1")
local shot = pdf.GetBrush(1, 2, nil)
SaveBrush(shot, P.path("annotations-page2.png"))
-- The green square under the graphics state's 0.6 fill alpha over white.
local green = ReadPixel(shot, 200, 842 - 200)
T.ok((green >> 8) & 0xFF > 100 and (green >> 16) & 0xFF > 80 and (green >> 16) & 0xFF < 200, string.format("%08X", green))
FreeBrush(shot)
pdf.CloseDocument(1)
print("annotations: ok")
