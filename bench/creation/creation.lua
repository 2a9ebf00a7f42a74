-- Times a 500-page text document built through the plugin:
--   kestrune creation.lua FILE REPS
-- Prints "build <median seconds>".
local file, reps = arg[1], tonumber(arg[2] or "5")
Require("sorvane")

local function median(t)
  table.sort(t)
  return t[(#t + 1) // 2]
end

local line = "The quick brown fox jumps over the lazy dog, line "
local times = {}
for r = 1, reps do
  local t0 = Clock()
  local doc = pdf.CreateDocument()
  doc:SetCompressionMode(HPDF_COMP_ALL)
  local font = doc:GetFont("Helvetica")
  for p = 1, 500 do
    local page = doc:AddPage()
    page:SetSize(HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT)
    page:BeginText()
    page:SetFontAndSize(font, 10)
    for l = 1, 40 do page:TextOut(50, 800 - l * 18, line .. l) end
    page:EndText()
  end
  assert(doc:SaveToFile(file) == 0)
  doc:Free()
  times[r] = Clock() - t0
end
print(string.format("build %.6f", median(times)))
