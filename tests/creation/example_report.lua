-- The example report script runs cleanly and writes a valid three-page PDF
-- with its outline, labels and a PNG of the first page.
local T = dofile(os.getenv("KS_TESTLIB"))
local P = dofile("pdftools.lua")

local out = P.path("report")
local output, ok = P.run(string.format("cd ../../examples && %s report.lua %s", P.quote(os.getenv("KS_HOST")), P.quote(out)))
T.ok(ok, "the example runs cleanly:\n" .. output)
T.ok(output:find("PDF written: " .. out .. "/report.pdf", 1, true), output)
T.ok(output:find("First page as PNG: " .. out .. "/report-page1.png", 1, true), output)
local path = out .. "/report.pdf"
P.check(path)
T.eq(assert(P.info(path))["Pages"], "3", "three pages")
T.ok(P.exists(out .. "/report-page1.png"), "the PNG exists")
local plain = P.plain(path)
for _, title in ipairs({"Sample report", "Sales and costs", "Figures"}) do
  T.ok(plain:find("/Title (" .. title .. ")", 1, true), "outline entry " .. title)
end
T.ok(plain:find("/P (P-)", 1, true), "page labels")
T.eq(#P.run("pdfimages -list " .. P.quote(path)):gsub("[^\n]", ""), 3, "one image under the list's two header lines")
T.ok(P.text(path, 3):find("Margin"), "the table's text")
-- Read back through the plugin: labels, the outline as bookmarks, the text of page 3.
for _, line in ipairs({"Pages: 3", "Page 2 is labelled P-1", "  Bookmark: Sales and costs", "Text of page 3: Figures"}) do
  T.ok(output:find(line, 1, true), "read back: " .. line .. "\n" .. output)
end
print("example_report: ok")
