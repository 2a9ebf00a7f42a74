// Small PDF files made with libharu for the engine tests.
#ifndef TESTS_ENGINE_FIXTURES_H
#define TESTS_ENGINE_FIXTURES_H

#include <string>

namespace fixtures {

// Page 1 is 300 x 400 points: the text kPageOneText at (50, 300) in Helvetica 20, a
// black horizontal line from (20, 100) to (280, 100), 4 points wide, a link to page 2
// over kLinkRect and a web link to kUri below it. Page 2 is 200 x 250 with kPageTwoText.
// The outline has one entry, kBookmarkTitle, pointing at page 2. Pages are labelled
// "P-1", "P-2"; the title entry is kTitle.
inline constexpr char kPageOneText[] = "Hello engine world";
inline constexpr char kPageTwoText[] = "Second page";
inline constexpr char kBookmarkTitle[] = "Chapter two";
inline constexpr char kTitle[] = "Engine fixture";
inline constexpr char kUri[] = "https://example.org/engine";
inline constexpr float kLinkRect[4] = {40, 280, 260, 330}; // left, bottom, right, top
inline constexpr float kUriRect[4] = {40, 200, 260, 240};

// Returns an empty string on success, else what went wrong.
std::string writeTwoPages(const std::string &path);

// The same document, encrypted: opening needs `userPassword`.
std::string writeEncrypted(const std::string &path, const char *userPassword);

} // namespace fixtures

#endif
