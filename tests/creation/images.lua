-- Images: host brushes (raw RGB and JPEG at several qualities, alpha dropped),
-- pixels from script memory, PNG files read now or when saving, and the
-- image methods. Pages are rendered with poppler and their pixels read back.
local T = dofile(os.getenv("KS_TESTLIB"))
local P = dofile("pdftools.lua")
Require("sorvane")

-- A colourful test brush: a page of coloured bands rendered by poppler and loaded as a brush.
local bands = {{1, 0, 0}, {0, 0.6, 0}, {0, 0, 1}, {1, 0.8, 0}}
local sourcePath = P.path("images-source.pdf")
do
  local doc = pdf.CreateDocument()
  local page = doc:AddPage()
  page:SetWidth(160)
  page:SetHeight(40)
  for i, c in ipairs(bands) do
    page:SetRGBFill(c[1], c[2], c[3])
    page:Rectangle((i - 1) * 40, 0, 40, 40)
    page:Fill()
  end
  doc:SaveToFile(sourcePath)
  doc:Free()
end
local sourcePng = P.render(sourcePath, 1, 72, "images-source")
local brush = LoadBrush(nil, sourcePng)
local bw, bh = GetBrushSize(brush)
T.eq(bw, 160, "brush width") T.eq(bh, 40, "brush height")

local function channel(argb, shift) return (argb >> shift) & 0xFF end
local function near(argb, r, g, b, tolerance, what)
  local dr, dg, db = channel(argb, 16) - r, channel(argb, 8) - g, channel(argb, 0) - b
  T.ok(math.abs(dr) <= tolerance and math.abs(dg) <= tolerance and math.abs(db) <= tolerance,
    string.format("%s: pixel %06X, expected %02X%02X%02X", what, argb & 0xFFFFFF, r, g, b))
end

local doc = pdf.CreateDocument()
local page = doc:AddPage()
page:SetWidth(200)
page:SetHeight(300)

-- Brush images: raw, then JPEG at three qualities; each is drawn in a row of its own.
local variants = {
  {"raw", nil},
  {"jpeg 10", {usejpeg = 1, quality = 10}},
  {"jpeg 50", {usejpeg = 1, quality = 50}},
  {"jpeg 100", {usejpeg = 1, quality = 100}},
}
for i, v in ipairs(variants) do
  local img = v[2] and doc:CreateImageFromBrush(brush, v[2]) or doc:CreateImageFromBrush(brush)
  local w, h = img:GetSize()
  T.eq(w, 160.0, v[1] .. ": width") T.eq(h, 40.0, v[1] .. ": height")
  T.eq(img:GetColorSpace(), "DeviceRGB", v[1] .. ": RGB")
  T.eq(img:GetBitsPerComponent(), 8, v[1] .. ": 8 bits")
  T.eq(page:DrawImage(img, 20, 300 - 50 * i, 160, 40), 0, v[1] .. ": DrawImage")
end

-- A brush with alpha comes out opaque: no soft mask, and the colour is not blended with the page.
local translucent = CreateBrush(nil, 8, 8, 0x40FF0000)
T.ok(BrushHasAlpha(translucent), "the brush has alpha")
local opaque = doc:CreateImageFromBrush(translucent)
T.eq(page:DrawImage(opaque, 20, 20, 40, 40), 0, "draw the translucent brush")

-- Pixels from script memory: a 2 x 2 RGB image, blue and white checks.
local mem = AllocMem(12)
PokeBytes(mem, 0, "\0\0\255\255\255\255\255\255\255\0\0\255")
local checks = doc:CreateImageFromMem(MemPointer(mem), 2, 2, HPDF_CS_DEVICE_RGB, 8)
FreeMem(mem)
T.eq(checks:GetWidth(), 2, "memory image width")
T.eq(page:DrawImage(checks, 100, 20, 40, 40), 0, "draw the memory image")
T.fails("Wrong usage or parameters for this command! (error 1055)", doc.CreateImageFromMem, doc, "pixels", 2, 2, 1, 8)

-- A noisy brush at quality 100 still makes a JPEG image; allocation failures
-- while converting fail with host code 1000 and hold nothing afterwards.
local noisePath = P.path("images-noise.pdf")
do
  local d = pdf.CreateDocument()
  local p = d:AddPage()
  p:SetWidth(48)
  p:SetHeight(48)
  local seed = 12345
  for y = 0, 47 do
    for x = 0, 47 do
      seed = (seed * 1103515245 + 12345) % 2147483648
      p:SetRGBFill((seed % 256) / 255, ((seed >> 8) % 256) / 255, ((seed >> 16) % 256) / 255)
      p:Rectangle(x, y, 1, 1)
      p:Fill()
    end
  end
  d:SaveToFile(noisePath)
  d:Free()
end
local noise = LoadBrush(nil, P.render(noisePath, 1, 72, "images-noise"))
local noisy = doc:CreateImageFromBrush(noise, {usejpeg = 1, quality = 100})
T.eq(noisy:GetWidth(), 48, "a noisy JPEG image")
page:DrawImage(noisy, 150, 20, 40, 40)
local held = HeldMemory()
for _, tag in ipairs({"rgb", "jpegjob", "buffer1", "linebuf", "jpegout"}) do
  FailAllocation(1, tag)
  T.fails("Out of memory! (error 1000)", doc.CreateImageFromBrush, doc, noise,
    {usejpeg = tag ~= "rgb" and 1 or 0, quality = 100})
  FailAllocation(0)
  T.eq(HeldMemory(), held, "nothing held after failing " .. tag)
end
FreeBrush(noise)
-- A tiny brush compresses to more bytes than its pixels: the output grows, and
-- a failure to grow it ends the compression cleanly.
local tiny = CreateBrush(nil, 2, 2, 0xFF00FF00)
T.eq(doc:CreateImageFromBrush(tiny, {usejpeg = 1}):GetWidth(), 2, "a 2 x 2 JPEG image")
held = HeldMemory() -- the document now holds the image
FailAllocation(2, "jpegout")
T.fails("Out of memory! (error 1000)", doc.CreateImageFromBrush, doc, tiny, {usejpeg = 1})
FailAllocation(0)
T.eq(HeldMemory(), held, "nothing held after failing to grow the output")
FreeBrush(tiny)

-- Brushes that cannot be locked.
FreeBrush(translucent)
T.fails("Error obtaining graphics data from brush!", doc.CreateImageFromBrush, doc, 999)
T.failsLike("table expected", doc.CreateImageFromBrush, doc, brush, 5)

-- PNG files, read at once and when saving.
local png = doc:LoadPNGImage(sourcePng)
local delayed = doc:LoadPNGImage(sourcePng, 1)
T.eq(png:GetHeight(), 40, "PNG height")
T.eq(delayed:GetWidth(), 160, "delayed PNG width")
local page2 = doc:AddPage()
page2:DrawImage(png, 0, 0, 160, 40)
page2:DrawImage(delayed, 0, 100, 160, 40)

-- Masks: a colour mask and a soft mask from script memory.
T.eq(png:SetColorMask(0, 10, 0, 10, 250, 255), 0, "SetColorMask")
local smem = AllocMem(4)
PokeBytes(smem, 0, "\255\128\64\0")
local smask = doc:CreateImageFromMem(MemPointer(smem), 2, 2, HPDF_CS_DEVICE_GRAY, 8)
FreeMem(smem)
T.eq(delayed:AddSMask(smask), 0, "AddSMask")
T.fails("Bit-per-component of a image which was set as mask-image is invalid. (detail 0)\n",
  checks.SetMaskImage, checks, png)
local bits = AllocMem(2)
PokeBytes(bits, 0, "\128\64")
local mask = doc:CreateImageFromMem(MemPointer(bits), 2, 2, HPDF_CS_DEVICE_GRAY, 1)
FreeMem(bits)
T.eq(checks:SetMaskImage(mask), 0, "a 1-bit mask image")

local path = P.path("images.pdf")
T.eq(doc:SaveToFile(path), 0, "save")
doc:Free()
FreeBrush(brush)
P.check(path)

-- The images as poppler lists them.
local list = P.run("pdfimages -list " .. P.quote(path))
local sizes, smasks = {}, 0
for line in list:gmatch("[^\n]+") do
  -- ... enc interp object ID x-ppi y-ppi size ratio
  local size, unit = line:match("%sjpeg%s.-%s([%d%.]+)([BK])%s+[%d%.]+%%%s*$")
  if size then sizes[#sizes + 1] = tonumber(size) * (unit == "K" and 1024 or 1) end
  if line:find("%ssmask%s") then smasks = smasks + 1 end
end
T.eq(#sizes, 4, "four JPEG images on the page:\n" .. list)
T.eq(smasks, 1, "only the soft mask added on purpose:\n" .. list)
-- Higher quality makes larger JPEG data (the images are listed in the order they were made).
T.ok(sizes[1] < sizes[2] and sizes[2] < sizes[3], "sizes grow with quality: " .. table.concat(sizes, " "))
T.ok(sizes[4] > 48 * 48, "the noisy image at quality 100 is large: " .. sizes[4])

-- The rendered page: every band in every row, the opaque red and the checks.
local shot = LoadBrush(nil, P.render(path, 1, 72, "images-page1"))
for row = 1, 4 do
  local y = 50 * row - 30 -- rows from the top
  for i, c in ipairs(bands) do
    near(ReadPixel(shot, 20 + 40 * (i - 1) + 20, y), math.floor(c[1] * 255 + 0.5), math.floor(c[2] * 255 + 0.5),
      math.floor(c[3] * 255 + 0.5), row == 2 and 40 or 12, variants[row][1] .. " band " .. i)
  end
end
near(ReadPixel(shot, 40, 260), 255, 0, 0, 2, "the translucent brush is drawn opaque")
near(ReadPixel(shot, 110, 250), 0, 0, 255, 2, "memory image: blue check")
near(ReadPixel(shot, 130, 250), 255, 255, 255, 2, "memory image: white check")
FreeBrush(shot)
print("images: ok")
