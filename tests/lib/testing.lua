-- Small assertions for script tests. Load with: local T = dofile(os.getenv("KS_TESTLIB"))
local T = {}

local function show(v)
  if type(v) == "string" then return string.format("%q", v) end
  return tostring(v)
end

function T.eq(actual, expected, what)
  if actual ~= expected then
    error(string.format("%s: expected %s, got %s", what or "value", show(expected), show(actual)), 2)
  end
end

function T.ok(value, what)
  if not value then error((what or "condition") .. " does not hold", 2) end
end

-- The call must fail with exactly this message.
function T.fails(message, f, ...)
  local ok, err = pcall(f, ...)
  if ok then error(string.format("expected the error %s, but the call succeeded", show(message)), 2) end
  if err ~= message then
    error(string.format("expected the error %s, got %s", show(message), show(err)), 2)
  end
end

-- The call must fail with a message matching the Lua pattern.
function T.failsLike(pattern, f, ...)
  local ok, err = pcall(f, ...)
  if ok then error("expected an error matching " .. pattern .. ", but the call succeeded", 2) end
  if not tostring(err):find(pattern) then
    error(string.format("expected an error matching %s, got %s", pattern, show(err)), 2)
  end
end

-- Runs the host on a script text and returns its exit code and everything it printed.
function T.runHost(script, hostArgs, env)
  local dir = os.getenv("KS_TEST_DATA") or "/tmp"
  local path = string.format("%s/sub_%d_%d.lua", dir, os.time(), math.random(1, 1e9))
  local f = assert(io.open(path, "w"))
  f:write(script)
  f:close()
  local cmd = string.format("%s%s %s %s 2>&1", env and (env .. " ") or "", os.getenv("KS_HOST"), hostArgs or "", path)
  local p = assert(io.popen(cmd))
  local out = p:read("a")
  local _, _, code = p:close()
  os.remove(path)
  return code, out
end

return T
