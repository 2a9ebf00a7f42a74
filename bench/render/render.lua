-- Times page brushes through the plugin: kestrune render.lua FILE REPS
-- Prints "1x <median seconds>" and "3x <median seconds>".
local file, reps = arg[1], tonumber(arg[2] or "15")
Require("sorvane")
pdf.OpenDocument(1, file)

local function median(t)
  table.sort(t)
  return t[(#t + 1) // 2]
end

-- 1x: a page brush from nothing (page load, background, render, conversion) and freeing it.
local once = {}
for i = 1, reps do
  local t0 = Clock()
  local b = pdf.GetBrush(1, 1, nil)
  once[i] = Clock() - t0
  FreeBrush(b)
end

-- 3x: the brush rendered again at three times its size (scaling to the same
-- size again still renders the page again, from the original).
local b = pdf.GetBrush(1, 1, nil)
local w, h = GetBrushSize(b)
local thrice = {}
for i = 1, reps do
  local t0 = Clock()
  ScaleBrush(b, 3 * w, 3 * h)
  thrice[i] = Clock() - t0
end
FreeBrush(b)
print(string.format("1x %.9f", median(once)))
print(string.format("3x %.9f", median(thrice)))
