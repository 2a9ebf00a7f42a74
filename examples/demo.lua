-- A tour of what the plugins offer: loads the PDF plugin and lists its libraries.
Require("sorvane")

print("Sorvane, PDF creation library version " .. pdf.GetVersion())
print("PDF document object type: " .. pdf.GetObjectType())

local function list(library, tbl)
  local names = {}
  for name in pairs(tbl) do
    if name:sub(1, 2) ~= "__" then names[#names + 1] = name end
  end
  table.sort(names)
  print(string.format("\n%s (%d commands)", library, #names))
  for _, name in ipairs(names) do
    print("  " .. (Help(library, name) or name))
  end
end

list("pdf", pdf)
local kinds = {"doc", "page", "image", "font", "outline", "encoder", "extgs", "annot", "dest"}
for _, kind in ipairs(kinds) do
  list(kind .. ":", debug.getregistry()["sorvane.kpl." .. kind] or {})
end
