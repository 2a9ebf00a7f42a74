-- libharu's errors as script errors: the description table, the generic
-- text, the detail code, silence through information key 0x2C, and that a
-- raised error leaves the document usable.
local T = dofile(os.getenv("KS_TESTLIB"))
local P = dofile("pdftools.lua")
Require("sorvane")

local doc = pdf.CreateDocument()
local page = doc:AddPage()

-- Calls that fail inside libharu, with the text the script sees.
local cases = {
  {"a font that is nil", function() return page:SetFontAndSize(nil, 12) end,
   "An invalid font-handle was specified. (detail 0)\n"},
  {"text outside a text object", function() return page:TextOut(10, 10, "x") end,
   "Invalid Graphics mode. (detail 0)\n"},
  {"a description of two lines", function() return doc:SetPassword("same", "same") end,
   "1. Tried to set the owner password to NULL.\n2. Owner and user password are the same. (detail 0)\n"},
  {"a detail code", function() return doc:LoadTTFont("/nonexistent/font.ttf", 1) end,
   "Cannot open a file. (Detailed code is set.) (detail 2)\n"},
  -- libharu 2.3.0 refuses dash patterns of an odd length above one; its code is not in the table.
  {"a code without description", function() return page:SetDash({[0] = 3, 0, 2}, 1) end,
   "HPDF error 0x1048, detail 3\n"},
  {"an unknown encoding", function() return doc:GetEncoder("NoSuchEncoding") end,
   "An Invalid encoding name is specified. (detail 0)\n"},
  {"a line width out of range", function() return page:SetLineWidth(-1) end,
   "The specified value is out of range. (detail 0)\n"},
}
local textErrorCode
for _, c in ipairs(cases) do
  T.fails(c[3], c[2])
  textErrorCode = textErrorCode or LastErrorCode()
  T.eq(LastErrorCode(), textErrorCode, c[1] .. ": raised through the one \"%s\" error")
  -- The raised error is not left behind in the document.
  T.eq(doc:GetError(), 0, c[1] .. ": the document's error is reset")
  T.eq(page:SetLineWidth(2), 0, c[1] .. ": the document stays usable")
end

-- With information key 0x2C answered 0 nothing is raised: the status comes back
-- and stays in the document until the script resets it.
SetInfo(0x2C, 0)
T.eq(page:SetFontAndSize(nil, 12), 0x104F, "status of the silent failure")
T.eq(doc:GetError(), 0x104F, "GetError")
T.eq(doc:GetErrorDetail(), 0, "GetErrorDetail")
T.eq(doc:GetFont("NoSuchFont"), nil, "a failed creator pushes nil")
T.eq(page:SetDash({[0] = 3, 0, 2}, 1), 0x1048, "status of an undescribed code")
T.eq(doc:ResetError(), nil, "ResetError has no result")
T.eq(doc:GetError(), 0, "reset")
SetInfo(0x2C, 1)

-- Saving: a file that cannot be opened, and no file left behind by a failed save.
local target = P.path("errors-missing-folder/out.pdf")
T.fails("Cannot open a file. (Detailed code is set.) (detail 0)\n", doc.SaveToFile, doc, target)
T.ok(not P.exists(target), "no file")
local failing = P.path("errors-failed-save.pdf")
os.remove(failing)
local failed = false
for n = 1, 40 do
  FailAllocation(n, "runtime")
  local ok, err = pcall(doc.SaveToFile, doc, failing)
  FailAllocation(0)
  if not ok then
    failed = true
    T.eq(err, "Memory allocation failed. (detail 0)\n", "allocation failure while saving")
    T.ok(not P.exists(failing), "a failed save leaves no file (allocation " .. n .. ")")
  else
    break
  end
end
T.ok(failed, "saving allocates memory")
T.eq(doc:SaveToFile(failing), 0, "the document still saves")
P.check(failing)
doc:Free()
print("errors: ok")
