// The ASCII keys put together from learnt pieces are ICU's own keys, byte for
// byte, in collations where they apply, and are not made where they do not
// (contractions such as Czech "ch", Hungarian "dzs", Danish "aa").
#include <gtest/gtest.h>

#include <stdlib.h>

#include <random>
#include <string>
#include <vector>

#include "platform/files/ascii_sort_key.h"
#include "platform/files/icu_library.h"

namespace {

std::string IcuKeyOf(const IcuLibrary &icu, const std::u16string &text)
{
    std::string key(1024, '\0');
    int32_t size = icu.getSortKey(icu.collator, reinterpret_cast<const UChar *>(text.data()),
                                  int32_t(text.size()), reinterpret_cast<uint8_t *>(&key[0]), 1024);
    key.resize(size > 0 ? size - 1 : 0);
    return key;
}

std::vector<std::u16string> Texts()
{
    std::vector<std::u16string> texts = {u"", u"a", u"aa", u"dsc01234.jpg", u"img_0001.jpeg",
                                         u"chata.jpg", u"dzsungel.jpg", u"aarhus.jpg",
                                         u"a b.jpg", u"a_b.jpg", u"a.b.c", u"~!@#$%^&()=+[]{};,`|\\"};
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        std::u16string text(random() % 24, u'a');
        for (char16_t &c : text) c = char16_t(random() % 4 ? 0x20 + random() % 0x5F : "achsdz019._"[random() % 11]);
        for (char16_t &c : text) c = c >= 'A' && c <= 'Z' ? c + 0x20 : c;  // keys are made of folded text
        texts.push_back(text);
    }
    return texts;
}

// Loads the library afresh under `locale` and counts the texts keyed from
// pieces, each checked against ICU's own key.
int PiecedTexts(const char *locale)
{
    setenv("LC_ALL", locale, 1);
    UnloadIcuLibrary();
    IcuLibraryUse use;
    EXPECT_NE(use.library(), nullptr);
    if (!use.library()) return 0;
    AsciiSortKeys keys(*use.library());
    int pieced = 0;
    for (const std::u16string &text : Texts()) {
        std::string key;
        if (!keys.Append(reinterpret_cast<const UChar *>(text.data()), int32_t(text.size()), &key)) continue;
        ++pieced;
        EXPECT_EQ(key, IcuKeyOf(*use.library(), text)) << locale << ": " << std::string(text.begin(), text.end());
    }
    return pieced;
}

TEST(AsciiSortKeys, AreIcuKeysWhereTheyApplyAndLeftToIcuWhereNot)
{
    const char *saved = getenv("LC_ALL");
    std::string restore = saved ? saved : "";
    const int total = int(Texts().size());
    for (const char *locale : {"C", "en_US.UTF-8", "ja_JP.UTF-8"}) {
        EXPECT_GT(PiecedTexts(locale), total * 9 / 10) << locale << ": most texts should be pieced";
    }
    for (const char *locale : {"cs_CZ.UTF-8", "hu_HU.UTF-8", "da_DK.UTF-8"}) {
        EXPECT_EQ(PiecedTexts(locale), 0) << locale << ": its rules contract ASCII letters";
    }
    if (saved) setenv("LC_ALL", restore.c_str(), 1);
    else unsetenv("LC_ALL");
    UnloadIcuLibrary();  // the next collation loads the library under the process's own locale
}

}  // namespace
