-- LoadFont with the fonts built into the host, on a set-up where fontconfig
-- knows no fonts (FONTCONFIG_FILE names an empty configuration): the font is
-- written to a temporary file that the document's Free deletes.
local T = dofile(os.getenv("KS_TESTLIB"))
local P = dofile("pdftools.lua")
Require("sorvane")

local tmp = assert(os.getenv("TMPDIR"), "the test sets TMPDIR")
local function files()
  local out = P.run("ls -1 " .. P.quote(tmp))
  local n = 0
  for _ in out:gmatch("[^\n]+") do n = n + 1 end
  return n
end

local doc = pdf.CreateDocument()
T.fails('Font "DejaVu Sans" not found! (error 1332)', doc.LoadFont, doc, "DejaVu Sans")
T.eq(LastErrorCode(), 1332, "host code")

local before = files()
local names = {}
-- libharu names a TrueType font by its PostScript name and its style.
for _, c in ipairs({{"Bitstream Vera Sans", "BitstreamVeraSans-Roman,Roman"},
                    {"Bitstream Vera Serif", "BitstreamVeraSerif-Roman,Roman"},
                    {"Bitstream Vera Sans Mono", "BitstreamVeraSansMono-Roman,Roman"}}) do
  local name = doc:LoadFont(c[1])
  T.eq(name, c[2], c[1])
  names[#names + 1] = name
end
T.eq(files(), before + 3, "one temporary file per built-in font")

local page = doc:AddPage()
page:BeginText()
for i, name in ipairs(names) do
  page:SetFontAndSize(doc:GetFont(name, "WinAnsiEncoding"), 18)
  page:TextOut(72, 750 - 40 * i, "Built-in font " .. i)
end
page:EndText()
local path = P.path("fonts-builtin.pdf")
T.eq(doc:SaveToFile(path), 0, "save")
T.eq(files(), before + 3, "the files stay until the document is freed")
doc:Free()
T.eq(files(), before, "Free deletes the temporary files")

P.check(path)
local text = P.text(path)
T.ok(text:find("Built%-in font 1") and text:find("Built%-in font 3"), text)
local embedded = 0
for _, f in ipairs(P.fonts(path)) do
  if f.name:find("BitstreamVera") and f.embedded then embedded = embedded + 1 end
end
T.eq(embedded, 3, "three embedded fonts")
print("fonts_builtin: ok")
