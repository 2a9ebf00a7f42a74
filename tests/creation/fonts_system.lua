-- LoadFont with fonts the host's font service finds: system fonts through
-- fontconfig by name, weight and slant, and a font whose data lies inside a
-- larger file; LoadTTFont with a file name.
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
local before = files()
local cases = {
  {"regular by default", {"DejaVu Sans"}, "DejaVuSans,Book"},
  {"bold by weight", {"DejaVu Sans", 200}, "DejaVuSans-Bold,Bold"},
  {"oblique by slant", {"DejaVu Serif", 80, 100}, "DejaVuSerif-Italic,Italic"},
  {"a family name in other case", {"dejavu sans mono"}, "DejaVuSansMono,Book"},
}
local loaded = {}
for _, c in ipairs(cases) do
  local name = doc:LoadFont(table.unpack(c[2]))
  T.eq(name, c[3], c[1])
  loaded[#loaded + 1] = name
end
T.eq(files(), before, "system font files are used where they are")
T.fails('Font "No Such Family" not found! (error 1332)', doc.LoadFont, doc, "No Such Family")

-- A font inside a larger file: the host answers the container, an offset and a length.
local vera = assert(io.open("/usr/share/fonts/truetype/ttf-bitstream-vera/VeraBd.ttf", "rb")):read("a")
local container = P.path("fonts-container.bin")
local f = assert(io.open(container, "wb"))
f:write(string.rep("\0", 1000), vera, string.rep("x", 300))
f:close()
AddFontFile("Packed Sans", 80, 0, container, 1000, #vera)
T.eq(doc:LoadFont("Packed Sans"), "BitstreamVeraSans-Bold,Bold", "the font read at its offset")
loaded[#loaded + 1] = "BitstreamVeraSans-Bold,Bold"
T.eq(files(), before + 1, "written to a temporary file")
AddFontFile("Lost Sans", 80, 0, P.path("no-such-container.bin"), 10, 100)
T.fails('Cannot open file "' .. P.path("no-such-container.bin") .. '"! (error 1045)', doc.LoadFont, doc, "Lost Sans")
T.eq(files(), before + 1, "no temporary file for a failed load")

-- LoadTTFont pushes the font's name; an index asks for a face of a collection.
T.eq(doc:LoadTTFont("/usr/share/fonts/truetype/ttf-bitstream-vera/VeraIt.ttf", 1), "BitstreamVeraSans-Oblique,Oblique",
  "LoadTTFont")
T.failsLike("Invalid %.TTC file format", doc.LoadTTFont, doc, "/usr/share/fonts/truetype/ttf-bitstream-vera/VeraBI.ttf", 1, 0)

local page = doc:AddPage()
page:BeginText()
for i, name in ipairs(loaded) do
  page:SetFontAndSize(doc:GetFont(name, "WinAnsiEncoding"), 16)
  page:TextOut(72, 780 - 30 * i, "Font " .. i .. " " .. name)
end
page:EndText()
local path = P.path("fonts-system.pdf")
T.eq(doc:SaveToFile(path), 0, "save")
doc:Free()
T.eq(files(), before, "Free deletes the temporary file")
P.check(path)
local text = P.text(path)
for i, name in ipairs(loaded) do T.ok(text:find("Font " .. i .. " " .. name, 1, true), name .. " in " .. text) end
local embedded = {}
for _, font in ipairs(P.fonts(path)) do if font.embedded then embedded[font.name:gsub("^%u+%+", "")] = true end end
for _, name in ipairs(loaded) do T.ok(embedded[name], name .. " embedded") end
print("fonts_system: ok")
