#include "DocumentTestSupport.h"

#include "document/ItemList.h"
#include "document/TurkishText.h"

using namespace testdoc;

namespace {

using Ids = std::vector<ItemId>;

Item areaSaying(ItemId id, const std::string& text, float x = 0)
{
    Item item = makeArea(id, "kup.mesh", x, 0, x + 4, 4);
    item.message = plainMessage(text);
    return item;
}

class ItemListing : public ::testing::Test {
protected:
    void put(std::vector<Item> items) { doc.replaceAll(std::move(items), ""); }

    Ids shown()
    {
        Ids ids;
        for (std::size_t row = 0; row < list.count(); ++row)
            ids.push_back(list.idAt(row));
        return ids;
    }
    Ids found(const std::string& typed)
    {
        list.setFilter(typed);
        return shown();
    }
    std::vector<std::string> column(ItemColumn c)
    {
        std::vector<std::string> cells;
        for (std::size_t row = 0; row < list.count(); ++row)
            cells.push_back(list.cells(row)[std::size_t(c)]);
        return cells;
    }

    Document doc;
    ItemList list{doc};
};

}  // namespace

TEST_F(ItemListing, CellsShowKindModelCentreAndTheMessagesFirstFortyCharacters)
{
    Item other = makeObject(4, "agac.mesh", 3, -0.001f);
    other.kind = ItemKind::Other;
    put({makeObject(0, "adam.mesh", 12, -3), areaSaying(1, std::string(38, 'a') + "şğüx", 1),
         makeRoad(2, "yol.mesh", 10, 5, 10, -10), makeObject(3, "eski", -0.25f, 1.0f / 3), other});
    EXPECT_EQ(column(ItemColumn::Kind), (std::vector<std::string>{"Nesne", "Alan", "Yol", "Nesne", "Diger"}));
    EXPECT_EQ(column(ItemColumn::Model), (std::vector<std::string>{"adam", "kup", "yol", "eski", "agac"}));
    EXPECT_EQ(column(ItemColumn::X), (std::vector<std::string>{"12", "3", "10", "-0.25", "3"}));
    EXPECT_EQ(column(ItemColumn::Z), (std::vector<std::string>{"-3", "2", "-2.5", "0.33", "0"}));
    EXPECT_EQ(column(ItemColumn::Message), (std::vector<std::string>{"", std::string(38, 'a') + "şğ", "", "", ""}));
}

TEST(TurkishText, LeadingCharactersNeverCutACharacterInHalf)
{
    const std::string turkish = "ÇĞİÖŞÜçğıöşü";  // two bytes each
    EXPECT_EQ(leadingCharacters(turkish, 5), "ÇĞİÖŞ");
    EXPECT_EQ(leadingCharacters(turkish, 40), turkish);
    EXPECT_EQ(leadingCharacters("a€😀b", 3), "a€😀");
    // A byte that starts no character counts as one; a cut-off character at the end too.
    EXPECT_EQ(leadingCharacters("\xff\xfe" "ab", 3), "\xff\xfe" "a");
    EXPECT_EQ(leadingCharacters("ab\xc5", 3), "ab\xc5");
    EXPECT_EQ(leadingCharacters("\xc5" "a", 1), "\xc5");
}

TEST_F(ItemListing, FilterFindsTypedTextInAnyColumnIgnoringCaseAndTurkishMarks)
{
    put({areaSaying(0, "Işık yanıyor"), areaSaying(1, "ŞEHİR merkezi"), areaSaying(2, "Çocuk parkı"),
         areaSaying(3, "göl kenarı ÜZÜM bağı"), areaSaying(4, "isik ve sehir"), makeObject(5, "adam.mesh", 125, -7),
         makeRoad(6, "yol.mesh", 0, 0, 0, 20), areaSaying(7, std::string(45, '.') + " gizli kelime")});

    EXPECT_EQ(found("ISIK"), (Ids{0, 4}));
    EXPECT_EQ(found("ışık"), (Ids{0, 4}));
    EXPECT_EQ(found("şehir"), (Ids{1, 4}));
    EXPECT_EQ(found("İR MER"), (Ids{1}));
    EXPECT_EQ(found("çocuk PARKI"), (Ids{2}));
    EXPECT_EQ(found("GÖL"), (Ids{3}));
    EXPECT_EQ(found("uzum BAGI"), (Ids{3}));
    EXPECT_EQ(found("gizli"), (Ids{7}));  // past the characters the cell shows
    EXPECT_EQ(found("NESNE"), (Ids{5}));
    EXPECT_EQ(found("Ada"), (Ids{5}));
    EXPECT_EQ(found("25"), (Ids{5}));
    EXPECT_EQ(found("-7"), (Ids{5}));
    EXPECT_EQ(found("yol"), (Ids{6}));
    EXPECT_EQ(found("nesneadam"), Ids{});  // no match runs from one column into the next
    EXPECT_EQ(found("xyz"), Ids{});
    EXPECT_EQ(found(""), (Ids{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(ItemListing, SortsNumbersAsNumbersTextsInTurkishOrderAndKeepsTiesInItemOrder)
{
    put({makeObject(0, "dur.mesh", 9, 1), makeObject(1, "çanta.mesh", -2, 1), makeObject(2, "Cadde.mesh", 100, 1),
         makeObject(3, "ılık.mesh", 10, 1), makeObject(4, "iki.mesh", 9, 1), makeObject(5, "Zebra.mesh", 9, 1),
         makeObject(6, "ayı.mesh", -2, 1), makeObject(7, "İnce.mesh", 50, 1), makeObject(8, "Irmak.mesh", 50, 1),
         makeObject(9, "sıfır.mesh", 0, 1), makeObject(10, "eksi.mesh", -0.0f, 1), makeObject(11, "on.mesh", -10, 1)});

    list.toggleSort(ItemColumn::X);
    EXPECT_EQ(shown(), (Ids{11, 1, 6, 9, 10, 0, 4, 5, 3, 7, 8, 2}));
    list.toggleSort(ItemColumn::X);
    EXPECT_EQ(list.sortOrder(), SortOrder::Descending);
    EXPECT_EQ(shown(), (Ids{2, 7, 8, 3, 0, 4, 5, 9, 10, 1, 6, 11}));

    list.toggleSort(ItemColumn::Model);
    EXPECT_EQ(list.sortOrder(), SortOrder::Ascending);
    EXPECT_EQ(column(ItemColumn::Model),
              (std::vector<std::string>{"ayı", "Cadde", "çanta", "dur", "eksi", "ılık", "Irmak", "iki", "İnce", "on", "sıfır",
                                        "Zebra"}));
    list.sortBy(ItemColumn::Z, SortOrder::Descending);  // all equal
    EXPECT_EQ(shown(), (Ids{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));

    // Many ties, more than a simple sort keeps in order by chance.
    std::vector<Item> many;
    for (ItemId id = 0; id < 300; ++id)
        many.push_back(makeObject(id, "adam.mesh", float(id * 7 % 3), 0));
    put(many);
    for (SortOrder order : {SortOrder::Ascending, SortOrder::Descending}) {
        list.sortBy(ItemColumn::X, order);
        for (std::size_t row = 1; row < list.count(); ++row) {
            const Item& a = *doc.find(list.idAt(row - 1));
            const Item& b = *doc.find(list.idAt(row));
            ASSERT_TRUE(order == SortOrder::Ascending ? a.x < b.x || (a.x == b.x && a.id < b.id)
                                                      : a.x > b.x || (a.x == b.x && a.id < b.id))
                << "row " << row;
        }
    }

    // Messages sort by their whole text, beyond what the cell shows.
    const std::string head(40, 'm');
    put({areaSaying(10, head + "b"), areaSaying(11, head + "a"), areaSaying(12, "Ahmet"), areaSaying(13, "ahmet")});
    list.sortBy(ItemColumn::Message, SortOrder::Ascending);
    EXPECT_EQ(shown(), (Ids{12, 13, 11, 10}));
    list.setFilter("m");
    EXPECT_EQ(list.rowOf(10), std::optional<std::size_t>(3));
    EXPECT_EQ(list.rowOf(99), std::nullopt);
}

TEST_F(ItemListing, FollowsEditsUndoAndOpenKeepingFilterAndOrder)
{
    put({areaSaying(0, "dur", 30), areaSaying(1, "yavas", 10), makeObject(2, "yaya.mesh", 20, 0)});
    list.setFilter("ya");
    list.sortBy(ItemColumn::X, SortOrder::Ascending);
    EXPECT_EQ(shown(), (Ids{1, 2}));
    const std::uint64_t drawn = list.revision();
    list.setFilter("YA");  // folds to the same search
    EXPECT_EQ(list.revision(), drawn);

    ASSERT_EQ(add(doc, areaSaying(3, "yakin", 15)), "");
    EXPECT_EQ(shown(), (Ids{1, 3, 2}));
    ASSERT_EQ(change(doc, areaSaying(0, "yanlis", 30)), "");
    EXPECT_EQ(shown(), (Ids{1, 3, 2, 0}));
    ASSERT_EQ(change(doc, movedTo(*doc.find(2), 0, 0)), "");
    EXPECT_EQ(shown(), (Ids{2, 1, 3, 0}));
    EXPECT_EQ(list.cells(0)[std::size_t(ItemColumn::X)], "0");
    ASSERT_EQ(remove(doc, 1), "");
    EXPECT_EQ(shown(), (Ids{2, 3, 0}));
    EXPECT_GT(list.revision(), drawn);

    ASSERT_EQ(doc.undo(), "");
    ASSERT_EQ(doc.undo(), "");
    EXPECT_EQ(shown(), (Ids{1, 3, 2, 0}));
    EXPECT_EQ(list.cells(2)[std::size_t(ItemColumn::X)], "20");

    put({makeObject(7, "yapi.mesh", 5, 5), makeObject(8, "yaya.mesh", 1, 1), makeObject(9, "adam.mesh", 0, 0)});
    EXPECT_EQ(shown(), (Ids{8, 7}));
}
