// Opening documents that fail, the last-error value, and file names in the system
// character set.
#include "engine.h"
#include "fixtures.h"
#include "support.h"

#include <filesystem>
#include <string>

namespace {

using namespace engine;

enum : unsigned long { kSuccess = 0, kFile = 2, kFormat = 3, kPassword = 4 };

class Errors : public EngineTest {};

// How the plugin opens a document: reset the error, load, read the error.
unsigned long openError(const std::string &path, const char *password, Handle *doc) {
    FPDF_SetLastError(0);
    *doc = FPDF_LoadDocument(path.c_str(), password);
    return FPDF_GetLastError();
}

TEST_F(Errors, ReportsWhyADocumentDidNotOpen) {
    std::string encrypted = scratch + "/locked.pdf";
    ASSERT_EQ(fixtures::writeEncrypted(encrypted, "open-sesame"), "");
    std::string notPdf = scratch + "/three.pdf";
    {
        FILE *f = fopen(notPdf.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fputs("%PD", f);
        fclose(f);
    }
    struct {
        std::string path;
        const char *password;
        bool opens;
        unsigned long error;
    } cases[] = {
        {twoPages, nullptr, true, kSuccess},
        {scratch + "/missing.pdf", nullptr, false, kFile},
        {"", nullptr, false, kFile},
        {notPdf, nullptr, false, kFormat},
        {encrypted, nullptr, false, kPassword},
        {encrypted, "wrong", false, kPassword},
        {encrypted, "open-sesame", true, kSuccess},
    };
    for (const auto &c : cases) {
        Handle doc = 0;
        EXPECT_EQ(openError(c.path, c.password, &doc), c.error) << c.path << " / " << (c.password ? c.password : "-");
        EXPECT_EQ(doc != 0, c.opens) << c.path;
        if (doc) {
            EXPECT_EQ(FPDF_GetPageCount(doc), 2);
            FPDF_CloseDocument(doc);
        }
    }
}

// The value set by the caller holds until the next load replaces it with that load's own.
TEST_F(Errors, KeepsTheLastErrorPerConnection) {
    EXPECT_EQ(FPDF_GetLastError(), kSuccess);
    FPDF_SetLastError(77);
    EXPECT_EQ(FPDF_GetLastError(), 77u);
    EXPECT_EQ(FPDF_LoadDocument((scratch + "/missing.pdf").c_str(), nullptr), 0u);
    EXPECT_EQ(FPDF_GetLastError(), kFile);
    // Loads that work leave success behind, whatever came before.
    Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    ASSERT_NE(doc, 0u);
    EXPECT_EQ(FPDF_GetLastError(), kSuccess);
}

// Names arrive in ISO-8859-1 and are opened under their UTF-8 spelling, never under
// their raw bytes (which would be another file); a relative name is resolved against the
// caller's directory, not the server's.
TEST_F(Errors, OpensNamesGivenInTheSystemCharacterSet) {
    std::filesystem::copy_file(twoPages, scratch + "/caf\xC3\xA9.pdf"); // "café.pdf" in UTF-8
    std::filesystem::copy_file(twoPages, scratch + "/na\xEFve.pdf");     // raw ISO-8859-1 bytes
    {
        FILE *decoy = fopen((scratch + "/caf\xE9.pdf").c_str(), "wb"); // raw bytes, not a PDF
        ASSERT_NE(decoy, nullptr);
        fputs("not a PDF", decoy);
        fclose(decoy);
    }
    Handle doc = 0;
    EXPECT_EQ(openError(scratch + "/caf\xE9.pdf", nullptr, &doc), kSuccess);
    EXPECT_EQ(FPDF_GetPageCount(doc), 2);
    EXPECT_EQ(openError(scratch + "/na\xEFve.pdf", nullptr, &doc), kFile);
    EXPECT_EQ(doc, 0u);

    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(scratch);
    Handle relative = FPDF_LoadDocument("caf\xE9.pdf", nullptr);
    std::filesystem::current_path(before);
    EXPECT_EQ(FPDF_GetPageCount(relative), 2);
}

} // namespace
