-- Every constant of the script library "pdf" is readable by name with its
-- published value, the misspelt names and the two strings included.
local T = dofile(os.getenv("KS_TESTLIB"))
Require("sorvane")

local count = 0
for line in io.lines("published_constants.txt") do
  if not line:find("^#") and line ~= "" then
    local name, value = line:match("^(%S+) (.+)$")
    local actual = _G[name]
    if value:find('^"') then
      T.eq(actual, value:sub(2, -2), name)
    else
      local expected = tonumber(value)
      -- Values that are not whole numbers are single-precision numbers.
      if math.type(expected) == "float" and expected ~= math.floor(expected) or math.abs(expected) > 2^53 then
        expected = string.unpack("f", string.pack("f", expected))
      end
      T.eq(actual, expected, name)
    end
    count = count + 1
  end
end
T.eq(count, 403, "published constants")

-- The cases worth a second look.
T.eq(HPDF_LIMIT_MIN_INT, -2147483647, "HPDF_LIMIT_MIN_INT")
T.eq(HPDF_ANNOT_HIGHTLIGHT, 8, "HPDF_ANNOT_HIGHTLIGHT")
T.eq(HPDF_BM_COLOR_BUM, 7, "HPDF_BM_COLOR_BUM")
T.eq(HPDF_FAILD_TO_ALLOC_MEM, 4117, "HPDF_FAILD_TO_ALLOC_MEM")
T.eq(HPDF_DEF_FONT, "Helvetica", "HPDF_DEF_FONT")
T.eq(HPDF_DEF_PAGE_WIDTH, 595.2760009765625, "HPDF_DEF_PAGE_WIDTH")
T.eq(math.type(HPDF_PAGE_SIZE_A4), "integer", "whole numbers are integers")
print("constants: ok")
