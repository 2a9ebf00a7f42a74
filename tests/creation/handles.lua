-- Handle arguments and the life of handles: nil, values that are not
-- handles, the method's own handle of the wrong kind, handles of freed
-- documents and of other documents, freeing twice, collection.
local T = dofile(os.getenv("KS_TESTLIB"))
Require("sorvane")

local baseline = HeldMemory()
local doc = pdf.CreateDocument()
local page = doc:AddPage()
local font = doc:GetFont("Helvetica")
T.eq(type(doc), "userdata", "a document handle")

-- Argument checks, each with its message.
local cases = {
  {"a number as a handle", function() return page:SetFontAndSize(12, 12) end, "Handle expected in argument 2!"},
  {"a string as a handle", function() return page:DrawImage("img", 0, 0, 1, 1) end, "Handle expected in argument 2!"},
  {"a foreign userdata", function() return page:SetFontAndSize(io.stdout, 12) end, "Handle expected in argument 2!"},
  {"a table as the own handle", function() return page.SetWidth({}, 100) end, "Handle expected in argument 1!"},
  {"nil as the own handle", function() return page.SetWidth(nil, 100) end, "HPDF handle expected in argument 1!"},
  {"a font as a page", function() return page.SetWidth(font, 100) end, "Unexpected HPDF handle type in argument 1!"},
  {"a page as a document", function() return doc.AddPage(page) end, "Unexpected HPDF handle type in argument 1!"},
}
for _, c in ipairs(cases) do T.fails(c[3], c[2]) end

-- nil for a further handle reaches libharu as null, which reports it.
T.fails("An invalid page-handle was specified. (detail 0)\n", doc.InsertPage, doc, nil)
T.eq(type(doc:CreateOutline(nil, "top", nil)), "userdata", "nil parent and encoder are allowed")
T.eq(type(doc:CreateOutline(nil, "absent")), "userdata", "absent arguments are nil")

-- Handles of another document are refused.
local other = pdf.CreateDocument()
local otherFont = other:GetFont("Courier")
page:BeginText()
T.fails("The handle in argument 2 belongs to another document!", page.SetFontAndSize, page, otherFont, 10)
T.eq(page:SetFontAndSize(font, 10), 0, "the document's own font")
page:EndText()

-- After Free every handle of the document is refused, and nothing of it is used.
other:Free()
T.fails("The document of the handle in argument 1 has been freed!", otherFont.GetFontName, otherFont)
T.fails("The document of the handle in argument 1 has been freed!", other.AddPage, other)
T.fails("The document of the handle in argument 2 has been freed!", page.SetFontAndSize, page, otherFont, 10)
T.eq(other:Free(), nil, "a second Free is harmless")
other = nil
collectgarbage()
collectgarbage()

-- Handles that outlive their document's collection are refused too.
local orphan
do
  local d = pdf.CreateDocument()
  orphan = d:AddPage()
end
collectgarbage()
collectgarbage()
T.fails("The document of the handle in argument 1 has been freed!", orphan.GetWidth, orphan)

-- Handles of the same object are equal in what they do, not in identity.
T.eq(doc:GetCurrentPage():GetWidth(), page:GetWidth(), "current page")
doc:Free()
T.eq(HeldMemory(), baseline, "everything the documents held is released")

-- A document whose creation runs out of memory is nil, and holds nothing.
for n = 1, 30 do
  FailAllocation(n, "runtime")
  local d = pdf.CreateDocument()
  FailAllocation(0)
  if d then
    d:Free()
    T.ok(n > 1, "creation allocates")
    break
  end
  T.eq(HeldMemory(), baseline, "nothing held after failed creation " .. n)
end
print("handles: ok")
