-- Raster brushes of the host: creation, pixels, PNG round trip, transforms.
local T = dofile(os.getenv("KS_TESTLIB"))
local dir = os.getenv("KS_TEST_DATA")

local b = CreateBrush(nil, 4, 2, 0x80FF0000)
T.eq(ReadPixel(b, 3, 1), 0x80FF0000, "pixel of a translucent brush")
T.eq(BrushHasAlpha(b), true, "translucent fill gives alpha")
T.eq(IsVectorBrush(b), false, "raster brush")
T.failsLike("outside the brush", ReadPixel, b, 4, 0)
FreeBrush(b)
T.failsLike("does not exist", GetBrushSize, b)

-- A numeric id is replaced by a new brush of that number.
CreateBrush(1, 10, 10)
CreateBrush(1, 3, 7, 0xFF123456)
local w, h = GetBrushSize(1)
T.eq(w * 100 + h, 307, "replaced brush size")
T.eq(ReadPixel(1, 0, 0), 0xFF123456, "replaced brush pixel")

-- PNG round trip keeps pixels and alpha.
CreateBrush(2, 5, 5, 0x40102030)
SaveBrush(2, dir .. "/alpha.png")
LoadBrush(3, dir .. "/alpha.png")
T.eq(ReadPixel(3, 2, 2), 0x40102030, "pixel after PNG round trip")
T.eq(BrushHasAlpha(3), true, "alpha after PNG round trip")
T.failsLike('^Cannot load brush from ".*nothing%.png"', LoadBrush, 4, dir .. "/nothing.png")

-- Rotation by a quarter turn swaps the size and keeps colours; other angles add transparent corners.
CreateBrush(5, 100, 50, 0xFF00FF00)
RotateBrush(5, 90)
w, h = GetBrushSize(5)
T.eq(w * 1000 + h, 50100, "size after 90 degrees")
T.eq(ReadPixel(5, 25, 50), 0xFF00FF00, "colour inside after rotation")
RotateBrush(5, 45)
T.eq(BrushHasAlpha(5), true, "rotated brush has alpha")
T.eq(ReadPixel(5, 0, 0) >> 24, 0, "corner outside the rotated brush is transparent")
ScaleBrush(5, 20, 30)
w, h = GetBrushSize(5)
T.eq(w * 100 + h, 2030, "size after scaling")
T.failsLike("singular", TransformBrush, 5, 1, 2, 2, 4)
T.failsLike("width out of range", ScaleBrush, 5, 0, 10)

-- Nothing loads a PNG as an anim.
T.failsLike('^Cannot load anim', LoadAnim, nil, dir .. "/alpha.png")
