-- The PDF plugin's frame as scripts see it.
local T = dofile(os.getenv("KS_TESTLIB"))

Require("sorvane")
T.eq(Help("pdf", "IsPDF"), "ok=pdf.IsPDF(f$) -- check if file is a valid PDF document", "help of IsPDF")
T.eq(math.type(pdf.GetObjectType()), "integer", "object type id")
T.fails("Cannot find specified PDF document!", GetAttribute, pdf.GetObjectType(), 99, 32768)
T.eq(pdf.GetVersion(), "2.3.0", "version of the linked libharu")

-- Every command of "pdf" has its help row.
local count = 0
for name in pairs(pdf) do
  count = count + 1
  T.ok(Help("pdf", name), "help for pdf." .. name)
end
T.eq(count, 30, "commands in pdf")

-- Constants are globals; the odd ones keep their published names and values.
local constants = {
  {"PDFATTRPAGES", 32768}, {"PDFATTRVERSION", 32769}, {"PDFATTRPERMISSIONS", 32770},
  {"HPDF_LIMIT_MIN_INT", -2147483647}, {"HPDF_ANNOT_HIGHTLIGHT", 8}, {"HPDF_BM_COLOR_BUM", 7},
  {"HPDF_FAILD_TO_ALLOC_MEM", 4117}, {"HPDF_DEF_FONT", "Helvetica"}, {"HPDF_VERSION_TEXT", "2.4.0dev"},
  {"PDFERR_PAGE", 6}, {"PDFFIND_MATCHWHOLEWORD", 2},
}
for _, c in ipairs(constants) do T.eq(_G[c[1]], c[2], c[1]) end

-- Unknown options fail with host code 1222 naming the option; known ones pass.
Require("sorvane", {novectoranim = 1})
T.fails('Unknown option "foo" (error 1222)', Require, "sorvane", {foo = 2})
T.eq(LastErrorCode(), 1222, "code of the unknown option")

-- A host before 7.1 gets the plugin's minimum written back and refuses the plugin.
local code, out = T.runHost('Require("sorvane")', "--host-version 7.0")
T.eq(code, 1, "exit code on a 7.0 host")
T.ok(out:find('Plugin "sorvane" needs host version 7.1 or later (this is 7.0)', 1, true), out)
code, out = T.runHost('Require("sorvane"); assert(pdf.GetVersion())', "--host-version 7.1")
T.eq(code, 0, "a 7.1 host loads the plugin: " .. out)

-- The version string is in the plugin file.
local f = assert(io.open(os.getenv("KS_PLUGIN_DIR") .. "/sorvane.kpl", "rb"))
local bytes = f:read("a")
f:close()
T.ok(bytes:find("$VER: sorvane.kpl 1.3 (05.12.20) [MorphOS]", 1, true), "version string in the file")
