-- When the engine server dies between two calls, the next call fails at once
-- with the errors of a missing reply, and a later open starts a fresh server.
local T = dofile(os.getenv("KS_TESTLIB"))
local fx = os.getenv("KS_FIXTURES")
Require("sorvane")

pdf.OpenDocument(1, fx .. "/basic.pdf")
pdf.LoadPage(1, 1)
local pidFile = assert(io.open(os.getenv("KS_RUNTIME_DIR") .. "/sorvane.pid"))
local pid = assert(tonumber(pidFile:read("l")))
pidFile:close()
os.execute("kill -9 " .. pid)

local t0 = Clock()
T.fails("Error loading page!", pdf.LoadPage, 1, 2)
T.fails("Error loading page!", pdf.GetBrush, 1, 2, nil)
T.eq(GetAttribute(pdf.GetObjectType(), 1, PDFATTRVERSION), 0, "file version without a server")
T.ok(Clock() - t0 < 1, "calls after the loss return at once")

-- A fresh open works again; the old document's handles stay dead but close cleanly.
pdf.OpenDocument(2, fx .. "/basic.pdf")
pdf.LoadPage(2, 2)
local b = pdf.GetBrush(2, 1, nil)
T.eq(GetBrushSize(b), 200, "brush from the fresh server")
FreeBrush(b)
pdf.CloseDocument(1)
pdf.CloseDocument(2)
