-- Opening, querying and closing documents; loading and freeing pages.
local T = dofile(os.getenv("KS_TESTLIB"))
local fx = os.getenv("KS_FIXTURES")
Require("sorvane")
local TYPE = pdf.GetObjectType()

-- An automatic id comes back as a light pointer; a numeric id returns nothing.
local doc = pdf.OpenDocument(nil, fx .. "/basic.pdf")
T.eq(type(doc), "userdata", "automatic id")
T.eq(select("#", pdf.OpenDocument(1, fx .. "/structure.pdf")), 0, "numeric id returns nothing")
T.eq(GetAttribute(TYPE, doc, PDFATTRPAGES), 2, "pages of basic.pdf")
T.eq(GetAttribute(TYPE, 1, PDFATTRPAGES), 3, "pages of structure.pdf")
T.ok(GetAttribute(TYPE, 1, PDFATTRVERSION) >= 13, "file version")
T.eq(GetAttribute(TYPE, doc, PDFATTRPERMISSIONS), 0xFFFFFFFF, "permissions of an unencrypted file")
T.fails("Unknown attribute! (error 1080)", GetAttribute, TYPE, 1, 12345)

-- Page lookups: range first, then the page node.
local rangeCases = {0, 3, -1}
for _, p in ipairs(rangeCases) do
  T.fails("Page number is out of range!", pdf.LoadPage, doc, p)
end
T.fails("Cannot find specified PDF page!", pdf.FreePage, doc, 1)
T.fails("Cannot find specified PDF document!", pdf.LoadPage, 77, 1)
pdf.LoadPage(doc, 1)
pdf.LoadPage(doc, 1, 1) -- loading again, now with text, is not an error
pdf.LoadPage(doc, 2)
pdf.FreePage(doc, 2)
T.fails("Cannot find specified PDF page!", pdf.FreePage, doc, 2)

-- Opening over an id in use closes the old document first.
pdf.OpenDocument(1, fx .. "/basic.pdf")
T.eq(GetAttribute(TYPE, 1, PDFATTRPAGES), 2, "id 1 now names basic.pdf")

-- Failures: wrong password, missing file, empty option table values, not a PDF.
T.fails("Error opening PDF document " .. fx .. "/encrypted.pdf", pdf.OpenDocument, 2, fx .. "/encrypted.pdf")
T.eq(pdf.GetLastError(), PDFERR_PASSWORD, "wrong password")
T.fails("Error opening PDF document " .. fx .. "/encrypted.pdf", pdf.OpenDocument, 2, fx .. "/encrypted.pdf",
        {password = "wrong"})
pdf.OpenDocument(2, fx .. "/encrypted.pdf", {password = "secret", adapter = "default"})
T.eq(GetAttribute(TYPE, 2, PDFATTRPAGES), 1, "encrypted file opened with its password")
T.fails("Error opening PDF document /no/such.pdf", pdf.OpenDocument, 3, "/no/such.pdf")
T.eq(pdf.GetLastError(), PDFERR_FILE, "missing file")
T.fails("Error opening PDF document " .. fx .. "/fake.pdf", pdf.OpenDocument, 3, fx .. "/fake.pdf")
T.eq(pdf.GetLastError(), PDFERR_FORMAT, "not a PDF inside")
T.failsLike("bad argument #3", pdf.OpenDocument, 3, fx .. "/basic.pdf", "options")

-- IsPDF looks at the first four bytes only.
T.eq(pdf.IsPDF(fx .. "/basic.pdf"), 1, "IsPDF of a PDF")
T.eq(pdf.IsPDF(fx .. "/short.bin"), 0, "IsPDF of a 3-byte file")
T.eq(pdf.IsPDF(fx .. "/fake.pdf"), 1, "IsPDF of a file starting with %PDF")
T.fails("Error opening PDF document /no/file", pdf.IsPDF, "/no/file")

-- Relative names, "." components and backslashes reach the engine cleaned and absolute.
local here = fx:match("^(.*)/pdf$")
pdf.OpenDocument(4, here .. "/./pdf\\basic.pdf")
pdf.CloseDocument(4)

-- A document that lives only inside the program opens through a prepared file name.
local f = assert(io.open(fx .. "/basic.pdf", "rb"))
DefineVirtualFileFromString(f:read("a"), "memory:basic.pdf")
f:close()
pdf.OpenDocument(5, "memory:basic.pdf")
T.eq(GetAttribute(TYPE, 5, PDFATTRPAGES), 2, "virtual file pages")
pdf.CloseDocument(5)

-- Closing releases everything; the object-freed notice reaches the host.
local before = ObjectsFreed()
pdf.CloseDocument(doc)
T.eq(ObjectsFreed(), before + 1, "object-freed notice")
T.fails("Cannot find specified PDF document!", pdf.CloseDocument, doc)
T.fails("Cannot find specified PDF document!", GetAttribute, TYPE, doc, PDFATTRPAGES)
-- Documents 1 and 2 stay open: FreeLibrary releases them at the end, leaving no memory behind.
