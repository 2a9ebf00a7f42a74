-- Times text extraction and search through the plugin: kestrune text.lua FILE REPS WORD
-- Prints "text <median seconds>" and "search <median seconds> <matches>", each for all pages once.
local file, reps, word = arg[1], tonumber(arg[2] or "9"), arg[3] or "needle"
Require("sorvane")
pdf.OpenDocument(1, file)
local pages = GetAttribute(pdf.GetObjectType(), 1, PDFATTRPAGES)
for p = 1, pages do pdf.LoadPage(1, p, 1) end

local function median(t)
  table.sort(t)
  return t[(#t + 1) // 2]
end

-- Whole-page text of every page.
local text, bytes = {}, 0
for i = 1, reps do
  local t0 = Clock()
  bytes = 0
  for p = 1, pages do bytes = bytes + #pdf.GetText(1, p, 0, -1) end
  text[i] = Clock() - t0
end

-- A search of every page, each match's place asked for.
local search, matches = {}, 0
for i = 1, reps do
  local t0 = Clock()
  matches = 0
  for p = 1, pages do
    pdf.FindStart(1, p, word)
    while pdf.FindNext(1, p) == 1 do
      pdf.GetFindResult(1, p)
      matches = matches + 1
    end
  end
  search[i] = Clock() - t0
end
print(string.format("text %.9f %d", median(text), bytes))
print(string.format("search %.9f %d", median(search), matches))
