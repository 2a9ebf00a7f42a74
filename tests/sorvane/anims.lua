-- PDF files as anims: frames of the first page's size, vector or raster.
local T = dofile(os.getenv("KS_TESTLIB"))
local fx = os.getenv("KS_FIXTURES")
local mode = arg[1] or "vector"
if mode == "novectoranim" then Require("sorvane", {novectoranim = 1}) else Require("sorvane") end
local vector = mode == "vector"

local anim = LoadAnim(nil, fx .. "/sizes.pdf")
local w, h, frames, isVector = GetAnimInfo(anim)
T.eq(w * 1000 + h, 120160, "frame size from page 1")
T.eq(frames, 2, "frame count")
T.eq(isVector, vector and 1 or 0, "vector flag")
local b = AnimFrameToBrush(anim, 1, nil)
T.eq(ReadPixel(b, 5, 5), 0xFFFFFFFF, "opaque white frame")
-- Page 2 has another size: its frame cannot be loaded.
T.failsLike("^Cannot load frame 2", AnimFrameToBrush, anim, 2, nil)
FreeAnim(anim)

-- Transparent frames: alpha 0 outside the square, opaque inside.
local clear = LoadAnim(nil, fx .. "/blank.pdf", {transparent = 1})
AnimFrameToBrush(clear, 1, 5)
T.eq(ReadPixel(5, 5, 5) >> 24, 0, "transparent frame outside the drawing")
T.eq(ReadPixel(5, 50, 50), 0xFF000000, "inside the black square")
if vector then
  local tw, th = TransformAnimFrame(clear, 1, 2, 0, 0, 2)
  T.eq(tw * 1000 + th, 200200, "frame rendered again at twice the size")
  AnimFrameToBrush(clear, 1, 6)
  T.eq(ReadPixel(6, 100, 100), 0xFF000000, "centre of the enlarged square")
else
  T.failsLike("Only vector anims", TransformAnimFrame, clear, 1, 2, 0, 0, 2)
end

-- An empty or broken file is no anim; a one-page document is a one-frame anim.
T.failsLike("^Cannot load anim", LoadAnim, nil, fx .. "/fake.pdf")
local one = LoadAnim(nil, fx .. "/blank.pdf")
T.eq(select(3, GetAnimInfo(one)), 1, "one page, one frame")
T.failsLike("out of range", AnimFrameToBrush, one, 2, nil)
