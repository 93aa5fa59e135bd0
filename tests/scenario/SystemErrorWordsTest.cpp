#include "document/SystemErrorWords.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>

namespace {

bool isPlainAsciiText(const std::string& text)
{
    for (const char c : text)
        if (c < 32 || c > 126)
            return false;
    return !text.empty();
}

}  // namespace

TEST(SystemErrorWordsTest, CommonFileErrorsGetTheirOwnTurkishWords)
{
    EXPECT_EQ(systemErrorWords(EACCES), "izin yok");
    EXPECT_EQ(systemErrorWords(EPERM), "izin yok");
    EXPECT_EQ(systemErrorWords(ENOENT), "boyle bir dosya ya da klasor yok");
    EXPECT_EQ(systemErrorWords(ENOSPC), "diskte yer kalmadi");
    EXPECT_EQ(systemErrorWords(EDQUOT), "diskte yer kalmadi");
    EXPECT_EQ(systemErrorWords(EISDIR), "bu bir klasor, dosya degil");
    EXPECT_EQ(systemErrorWords(EROFS), "disk yalnizca okunabilir");

    // Errors a user must tell apart do not share words.
    const int distinct[] = {EACCES, ENOENT, ENOSPC, EFBIG, EISDIR, ENOTDIR, EROFS, ENAMETOOLONG,
                            ELOOP, EIO, EMFILE, ENOMEM, EBUSY, EEXIST};
    std::set<std::string> seen;
    for (const int error : distinct) {
        const std::string words = systemErrorWords(error);
        EXPECT_TRUE(isPlainAsciiText(words)) << error << ": " << words;
        EXPECT_TRUE(seen.insert(words).second) << error << " repeats \"" << words << "\"";
    }
}

TEST(SystemErrorWordsTest, AnyOtherNumberStillSaysSomethingWithTheNumber)
{
    for (const int error : {0, EXDEV, ECONNRESET, 9999, -3}) {
        const std::string words = systemErrorWords(error);
        EXPECT_TRUE(isPlainAsciiText(words)) << error;
        EXPECT_EQ(words, "sistem hatasi (" + std::to_string(error) + ")");
    }
}
