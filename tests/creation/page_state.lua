-- Page methods whose arguments or results are the plugin's own: dash tables,
-- table-returning getters, 2-result methods, MoveTextPos with lead and
-- ShowTextNextLine with spacings; and the font and encoder methods.
local T = dofile(os.getenv("KS_TESTLIB"))
Require("sorvane")

local doc = pdf.CreateDocument()
local page = doc:AddPage()
local font = doc:GetFont("Helvetica")

-- SetDash: the pattern is read from key 0; GetDash answers all 8 slots at keys 1 to 8.
local dashCases = {
  {"no arguments: a solid line", {}, {0, 0, 0, 0, 0, 0, 0, 0}, 0, 0},
  {"nil pattern", {nil, 5}, {0, 0, 0, 0, 0, 0, 0, 0}, 0, 0},
  {"zero stored as one", {{[0] = 3, 0, 2, 0}, 1}, {3, 1, 2, 1, 0, 0, 0, 0}, 4, 1},
  {"one element", {{[0] = 5}, 2}, {5, 0, 0, 0, 0, 0, 0, 0}, 1, 2},
  {"eight elements", {{[0] = 1, 2, 3, 4, 5, 6, 7, 8}, 0}, {1, 2, 3, 4, 5, 6, 7, 8}, 8, 0},
  {"key 1 onward alone is empty", {{4, 4}, 0}, {0, 0, 0, 0, 0, 0, 0, 0}, 0, 0},
}
for _, c in ipairs(dashCases) do
  T.eq(page:SetDash(table.unpack(c[2], 1, 2)), 0, c[1])
  local d = page:GetDash()
  for i = 1, 8 do T.eq(d.ptn[i], c[3][i], c[1] .. ": slot " .. i) end
  T.eq(d.num_ptn, c[4], c[1] .. ": count")
  T.eq(d.phase, c[5], c[1] .. ": phase")
end
T.fails("Dash table must have 0 to 8 elements!", page.SetDash, page, {[0] = 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0)
T.failsLike("number expected", page.SetDash, page, {[0] = 2, 2})

-- Getters that answer tables.
page:SetRGBFill(0.25, 0.5, 0.75)
local rgb = page:GetRGBFill()
T.eq(rgb.r, 0.25, "r") T.eq(rgb.g, 0.5, "g") T.eq(rgb.b, 0.75, "b")
page:SetCMYKStroke(0.1, 0.2, 0.3, 0.4)
local cmyk = page:GetCMYKStroke()
T.ok(math.abs(cmyk.c - 0.1) < 1e-6 and math.abs(cmyk.k - 0.4) < 1e-6, "cmyk")
T.eq(page:GetStrokingColorSpace(), HPDF_CS_DEVICE_CMYK, "stroking colour space")
page:Concat(2, 0, 0, 3, 10, 20)
local m = page:GetTransMatrix()
T.eq(m.a, 2.0, "a") T.eq(m.d, 3.0, "d") T.eq(m.x, 10.0, "x") T.eq(m.y, 20.0, "y")

-- Path position: two results.
page:MoveTo(15, 25)
local px, py = page:GetCurrentPos()
T.eq(px, 15.0, "path x") T.eq(py, 25.0, "path y")
page:EndPath()

-- Text: MoveTextPos with lead, ShowTextNextLine with and without spacings.
page:BeginText()
page:SetFontAndSize(font, 12)
T.eq(page:MoveTextPos(100, 700), 0, "MoveTextPos")
T.eq(page:GetTextLeading(), 0.0, "no lead: leading unchanged")
T.eq(page:MoveTextPos(0, -14, 1), 0, "MoveTextPos with lead")
T.eq(page:GetTextLeading(), 14.0, "lead sets the leading from y")
local tx, ty = page:GetCurrentTextPos()
T.eq(tx, 100.0, "text x") T.eq(ty, 686.0, "text y")
local spacingCases = {
  {"text alone", {"one"}, 0, 0},
  {"a lone word spacing is ignored", {"two", 5}, 0, 0},
  {"both spacings", {"three", 4, 2}, 4, 2},
  {"word spacing -1 keeps the plain call", {"four", -1, 3}, 4, 2},
  {"char spacing -1 keeps the plain call", {"five", 7, -1}, 4, 2},
}
for _, c in ipairs(spacingCases) do
  T.eq(page:ShowTextNextLine(table.unpack(c[2])), 0, c[1])
  T.eq(page:GetWordSpace(), c[3] + 0.0, c[1] .. ": word spacing")
  T.eq(page:GetCharSpace(), c[4] + 0.0, c[1] .. ": character spacing")
end
page:SetCharSpace(0)
page:SetWordSpace(0)
local status, printed = page:TextRect(50, 600, 150, 585, "words that will not all fit into this box", HPDF_TALIGN_LEFT)
T.eq(status, HPDF_PAGE_INSUFFICIENT_SPACE, "TextRect status")
T.ok(printed > 0 and printed < 41, "TextRect printed part of the text: " .. tostring(printed))
page:EndText()
local bytes, width = page:MeasureText("hello world", 40, 1)
T.eq(bytes, 6, "bytes that fit at a word boundary")
T.ok(width > 0 and width <= 40, "real width " .. width)
T.ok(math.abs(page:TextWidth("hello") - 12 * font:TextWidth("hello", 5).width / 1000) < 1e-3, "page and font widths agree")

-- Font methods.
T.eq(font:GetFontName(), "Helvetica", "name")
T.eq(font:GetUnicodeWidth(0x41), 667, "width of A")
T.eq(font:GetUnicodeWidth(0x41 + 65536), 667, "code taken modulo 65536")
local box = font:GetBBox()
T.ok(box.left < 0 and box.top > box.bottom, "bounding box")
T.eq(font:GetAscent(), 718, "ascent")
T.eq(font:GetDescent(), -207, "descent")
local tw = font:TextWidth("ab cd", 5)
T.eq(tw.numchars, 5, "numchars") T.eq(tw.numspace, 1, "numspace")
local capped = font:TextWidth("ab", 1000)
T.eq(capped.numchars, 2, "a length beyond the text is capped at the text")
-- font:MeasureText reads width, font size, character and word spacing from
-- arguments 3 to 6 and the word-wrap flag from argument 7; the text's length
-- comes from the text, whatever its help string calls the arguments.
local fb, fw = font:MeasureText("hello world", 40, 12, 0, 0, 1)
T.eq(fb, 6, "40 points of 12-point text end after the first word")
T.ok(fw > 0 and fw <= 40, "real width " .. fw)
fb = font:MeasureText("hello world", 999, 40, 12, 0, 0, 1)
T.eq(fb, 11, "with a len argument first, 999 is the width and everything fits")

-- Encoder methods.
local enc = doc:GetEncoder("WinAnsiEncoding")
T.eq(enc:GetType(), HPDF_ENCODER_TYPE_SINGLE_BYTE, "type")
T.eq(enc:GetByteType("abc", 1), HPDF_BYTE_TYPE_SINGLE, "byte type")
T.eq(enc:GetUnicode(0x80), 0x20AC, "0x80 is the euro sign")
T.eq(enc:GetUnicode(0x80 + 65536), 0x20AC, "code taken modulo 65536")
T.eq(enc:GetWritingMode(), HPDF_WMODE_HORIZONTAL, "writing mode")
doc:Free()
print("page_state: ok")
