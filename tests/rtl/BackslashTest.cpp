// Backslashes found character by character, under Shift-JIS (932), where the second byte of 表
// (95 5C), 能 (94 5C) and ソ (83 5C) is a backslash's, and under Western European 1252, where
// every 5C byte is a backslash as before.
#include <gtest/gtest.h>

#include <vector>

#include "rtl/Backslash.h"

namespace {

struct Row {
    unsigned codePage;
    std::string text;
    std::vector<size_t> backslashes;  // where each is found, walking from the start
};

TEST(Backslashes, AreCharactersOfTheCodePageNotBytes) {
    const std::string japaneseFolder = "C:\\Komponenten\\\x8B\x40\x94\x5C";  // 機能
    const std::string tableRoot = "C:\\Borland\\\x95\x5C";                  // 表
    const std::string storedName = "\\common\\\x95\x5C\\x.pas";              // \common\表\x.pas
    const std::string afterSo = "\x83\x5C\\";                                // ソ, then a backslash
    const std::string leadAtEnd = "C:\\x\x95";                               // a lead byte alone at the end
    const Row rows[] = {
        {932, japaneseFolder, {2, 14}},     {932, tableRoot, {2, 10}},     {932, storedName, {0, 7, 10}},
        {932, afterSo, {2}},                {932, leadAtEnd, {2}},         {932, "", {}},
        {1252, japaneseFolder, {2, 14, 18}}, {1252, tableRoot, {2, 10, 12}}, {1252, storedName, {0, 7, 9, 10}},
        {1252, afterSo, {1, 2}},            {1252, leadAtEnd, {2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.codePage) + ": " + row.text);
        std::vector<size_t> found;
        for (size_t at = rtl::FindBackslash(row.text, 0, row.codePage); at != std::string::npos;
             at = rtl::FindBackslash(row.text, at + 1, row.codePage))
            found.push_back(at);
        EXPECT_EQ(found, row.backslashes);
        const size_t last = row.backslashes.empty() ? std::string::npos : row.backslashes.back();
        EXPECT_EQ(rtl::LastBackslash(row.text, row.codePage), last);
        EXPECT_EQ(rtl::FolderPart(row.text, row.codePage), row.text.substr(0, last + 1));
    }
}

}  // namespace
