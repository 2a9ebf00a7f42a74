-- Image files read through the host's file services: PNG, JPEG and raw
-- samples, from plain files and from a file that lives only inside the host;
-- missing and short files as libharu's file errors.
local T = dofile(os.getenv("KS_TESTLIB"))
local P = dofile("pdftools.lua")
Require("sorvane")

-- Source files: a PNG and a JPEG of a red and blue image, made by poppler from a first document.
local sourcePath = P.path("image-files-source.pdf")
do
  local doc = pdf.CreateDocument()
  local page = doc:AddPage()
  page:SetWidth(40)
  page:SetHeight(20)
  local mem = AllocMem(6)
  PokeBytes(mem, 0, "\255\0\0\0\0\255")
  page:DrawImage(doc:CreateImageFromMem(MemPointer(mem), 2, 1, HPDF_CS_DEVICE_RGB, 8), 0, 0, 40, 20)
  FreeMem(mem)
  doc:SaveToFile(sourcePath)
  doc:Free()
end
local png = P.render(sourcePath, 1, 72, "image-files-source")
P.run("pdftoppm -jpeg -r 72 -singlefile " .. P.quote(sourcePath) .. " " .. P.quote(P.path("image-files-source")))
local jpeg = P.path("image-files-source.jpg")
T.ok(P.exists(jpeg), "a JPEG file to load")
local raw = P.path("image-files.raw")
local f = assert(io.open(raw, "wb"))
f:write("\0\255\0\255\255\0") -- 2 x 1 RGB: green, yellow
f:close()
local short = P.path("image-files-short.raw")
f = assert(io.open(short, "wb"))
f:write("\0\255\0")
f:close()
local pngBytes = assert(io.open(png, "rb")):read("a")
DefineVirtualFileFromString(pngBytes, "inside:picture.png")

local doc = pdf.CreateDocument()
local page = doc:AddPage()
page:SetWidth(200)
page:SetHeight(100)
local images = {
  {"PNG", doc:LoadPNGImage(png), 40, 20},
  {"PNG read when saving", doc:LoadPNGImage(png, 1), 40, 20},
  {"JPEG", doc:LoadJPEGImage(jpeg), 40, 20},
  {"raw RGB", doc:LoadRawImage(raw, 2, 1, HPDF_CS_DEVICE_RGB), 2, 1},
  {"PNG inside the host", doc:LoadPNGImage("inside:picture.png"), 40, 20},
}
for i, c in ipairs(images) do
  T.eq(c[2]:GetWidth(), c[3], c[1] .. ": width")
  T.eq(c[2]:GetHeight(), c[4], c[1] .. ": height")
  page:DrawImage(c[2], (i - 1) * 40, 0, 40, 20)
end

-- Missing and short files: libharu's file errors, detail 0.
local missing = P.path("no-such-image")
T.fails("Cannot open a file. (Detailed code is set.) (detail 0)\n", doc.LoadPNGImage, doc, missing .. ".png")
T.fails("Cannot open a file. (Detailed code is set.) (detail 0)\n", doc.LoadJPEGImage, doc, missing .. ".jpg")
T.fails("Cannot open a file. (Detailed code is set.) (detail 0)\n", doc.LoadRawImage, doc, missing .. ".raw", 2, 1, 1)
T.fails("File processing failed. (Detailed code is set.) (detail 0)\n", doc.LoadRawImage, doc, short, 2, 1,
  HPDF_CS_DEVICE_RGB)
SetInfo(0x2C, 0)
T.eq(doc:LoadPNGImage(missing .. ".png"), nil, "nil when errors are silent")
T.eq(doc:GetError(), HPDF_FILE_OPEN_ERROR, "the file error stays in the document")
doc:ResetError()
SetInfo(0x2C, 1)

local path = P.path("image-files.pdf")
T.eq(doc:SaveToFile(path), 0, "save")
doc:Free()
P.check(path)
local shot = LoadBrush(nil, P.render(path, 1, 72, "image-files"))
for i = 0, 4 do
  local left = ReadPixel(shot, i * 40 + 5, 90)
  if i == 3 then
    T.eq(left & 0xFFFFFF, 0x00FF00, "raw image: green")
    T.eq(ReadPixel(shot, i * 40 + 35, 90) & 0xFFFFFF, 0xFFFF00, "raw image: yellow")
  else
    T.ok((left >> 16) & 0xFF > 0xE0 and left & 0xFF < 0x30, images[i + 1][1] .. ": red half " .. string.format("%X", left))
    local right = ReadPixel(shot, i * 40 + 35, 90)
    T.ok(right & 0xFF > 0xE0 and (right >> 16) & 0xFF < 0x30, images[i + 1][1] .. ": blue half " .. string.format("%X", right))
  end
end
FreeBrush(shot)
print("image_files: ok")
