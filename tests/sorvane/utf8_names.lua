-- File names in UTF-8 mode reach the engine through the system character set.
local T = dofile(os.getenv("KS_TESTLIB"))
local fx = os.getenv("KS_FIXTURES")
Require("sorvane")

local name = fx .. "/caf\xC3\xA9.pdf"
local src = assert(io.open(fx .. "/basic.pdf", "rb"))
local data = src:read("a")
src:close()
local out = assert(io.open(name, "wb"))
out:write(data)
out:close()

pdf.OpenDocument(1, name)
T.eq(GetAttribute(pdf.GetObjectType(), 1, PDFATTRPAGES), 2, "non-ASCII name opens")
pdf.CloseDocument(1)
-- A name the system character set cannot hold fails instead of opening another file.
T.fails("Error opening PDF document " .. fx .. "/\xE2\x82\xAC.pdf", pdf.OpenDocument, 1, fx .. "/\xE2\x82\xAC.pdf")
os.remove(name)
