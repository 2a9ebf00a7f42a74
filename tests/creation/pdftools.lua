-- Checks of written PDF files with tools that do not use libharu: qpdf and
-- poppler-utils. Load with: local P = dofile("pdftools.lua")
local P = {}

local function quote(s) return "'" .. tostring(s):gsub("'", "'\\''") .. "'" end
P.quote = quote

-- Runs a command; returns its output and whether it exited with 0.
function P.run(cmd)
  local p = assert(io.popen(cmd .. " 2>&1"))
  local out = p:read("a")
  local ok, _, code = p:close()
  return out, ok and code == 0
end

-- A path in the test's own data folder.
function P.path(name)
  return (os.getenv("KS_TEST_DATA") or "/tmp") .. "/" .. name
end

function P.exists(path)
  local f = io.open(path, "rb")
  if f then f:close() return true end
  return false
end

-- qpdf's structural check must pass.
function P.check(path, password)
  local out, ok = P.run("qpdf --check " .. (password and ("--password=" .. quote(password) .. " ") or "") .. quote(path))
  if not ok or not out:find("No syntax or stream encoding errors found") then
    error("qpdf --check failed for " .. path .. ":\n" .. out, 2)
  end
end

-- pdfinfo's answers as a table (nil and the output when it fails).
function P.info(path, password, page)
  local cmd = "pdfinfo " .. (password and ("-upw " .. quote(password) .. " ") or "")
  if page then cmd = cmd .. "-f " .. page .. " -l " .. page .. " " end
  local out, ok = P.run(cmd .. quote(path))
  if not ok then return nil, out end
  local t = {}
  for key, value in out:gmatch("([^\n:]+):%s*([^\n]*)") do t[key] = value end
  return t
end

-- The text of one page (all pages without a number).
function P.text(path, page, password)
  local cmd = "pdftotext -layout " .. (password and ("-upw " .. quote(password) .. " ") or "")
  if page then cmd = cmd .. "-f " .. page .. " -l " .. page .. " " end
  local out, ok = P.run(cmd .. quote(path) .. " -")
  if not ok then error("pdftotext failed:\n" .. out, 2) end
  return out
end

-- The file as qpdf's uncompressed, readable form, for looking at dictionaries;
-- every run of white space becomes one blank.
function P.plain(path, password)
  local target = path .. ".qdf"
  local _, ok = P.run("qpdf --qdf --object-streams=disable " ..
    (password and ("--password=" .. quote(password) .. " --decrypt ") or "") .. quote(path) .. " " .. quote(target))
  if not ok then error("qpdf could not rewrite " .. path, 2) end
  local f = assert(io.open(target, "rb"))
  local s = f:read("a")
  f:close()
  os.remove(target)
  return (s:gsub("%s+", " "))
end

-- The file's bytes as they are.
function P.raw(path)
  local f = assert(io.open(path, "rb"))
  local s = f:read("a")
  f:close()
  return s
end

-- Renders one page to a PNG at `dpi` and returns the PNG's path.
function P.render(path, page, dpi, name)
  local base = P.path(name or "render")
  local _, ok = P.run(string.format("pdftoppm -png -r %d -f %d -l %d -singlefile %s %s", dpi, page, page, quote(path), quote(base)))
  if not ok then error("pdftoppm failed for " .. path, 2) end
  return base .. ".png"
end

-- Lines of pdffonts: {name=, type=, embedded=} per font.
function P.fonts(path)
  local out, ok = P.run("pdffonts " .. quote(path))
  if not ok then error("pdffonts failed:\n" .. out, 2) end
  local fonts = {}
  for line in out:gmatch("[^\n]+") do
    local name, rest = line:match("^(%S+)%s+(.*)$")
    if name and name ~= "name" and not name:find("^%-") then
      fonts[#fonts + 1] = {name = name, line = line, embedded = rest:find("yes%s+%S+%s+%S+%s+%d+") ~= nil}
    end
  end
  return fonts
end

return P
