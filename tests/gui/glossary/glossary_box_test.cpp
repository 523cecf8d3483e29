#include "gui/glossary/glossary_box.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using quillara::TDefinition;
using quillara::TGlossary;
using quillara::gui::TGlossaryBox;

QStringList Lines(const TGlossaryBox& box) {
    QStringList lines;
    for (int row = 0; row < box.model()->rowCount(); ++row)
        lines << box.model()->index(row, 0).data().toString();
    return lines;
}

TEST(GlossaryBox, MethodsChangeEntriesAndLinesTogether) {
    const TDefinition a{"", "", "alpha", ""}, b{"", "", "beta", ""}, c{"", "", "gamma", ""};
    TGlossaryBox box;
    box.Add(&a);
    box.Add(nullptr);
    box.Insert(0, &b);
    box.Insert(box.Count(), &c);
    box.Insert(-1, &a);
    box.Insert(box.Count() + 1, &a);
    box.Insert(1, nullptr);
    EXPECT_EQ(Lines(box), QStringList({"beta", "alpha", "gamma"}));
    EXPECT_EQ(box.getTerm(0), &b);
    EXPECT_EQ(box.getTerm(2), &c);
    EXPECT_EQ(box.getTerm(-1), nullptr);
    EXPECT_EQ(box.getTerm(3), nullptr);

    box.Delete(-1);
    box.Delete(3);
    EXPECT_EQ(box.Count(), 3);
    box.Delete(0);
    EXPECT_EQ(Lines(box), QStringList({"alpha", "gamma"}));
    EXPECT_EQ(box.getTerm(0), &a);

    box.Clear();
    EXPECT_EQ(box.Count(), 0);
    EXPECT_EQ(box.getTerm(0), nullptr);
}

TEST(GlossaryBox, DeleteSelectedRemovesOnlyTheSelectedLine) {
    const TGlossary glossary({{"", "", "one", ""}, {"", "", "two", ""}, {"", "", "three", ""}});
    TGlossaryBox box;
    box.AddList(nullptr);
    box.AddList(&glossary);
    EXPECT_EQ(box.getTerm(1), &glossary.Entries()[1]);

    box.DeleteSelected();
    EXPECT_EQ(box.Count(), 3);
    EXPECT_EQ(box.SelectedTerm(), nullptr);

    box.SelectIndex(1);
    EXPECT_EQ(box.SelectedTerm(), &glossary.Entries()[1]);
    box.DeleteSelected();
    EXPECT_EQ(Lines(box), QStringList({"one", "three"}));
    EXPECT_EQ(box.SelectedIndex(), -1);
    EXPECT_EQ(box.SelectedTerm(), nullptr);

    box.SelectIndex(1);
    box.Delete(0);
    EXPECT_EQ(box.SelectedTerm(), &glossary.Entries()[2]);

    box.SelectIndex(5);
    EXPECT_EQ(box.SelectedTerm(), nullptr);
}

TEST(GlossaryBox, LinesShowTermsAsStoredAndSearchComparesBytes) {
    const TGlossary glossary({{"", "", " cell", ""},
                              {"", "", "caf\xE9", ""},
                              {"", "", "?unknown", ""},
                              {"", "", "Cell wall", ""}});
    TGlossaryBox box;
    box.AddList(&glossary);
    EXPECT_EQ(Lines(box), QStringList({" cell", QStringLiteral("café"), "?unknown", "Cell wall"}));

    EXPECT_EQ(box.FindPrefix("CELL"), 3);
    EXPECT_EQ(box.FindPrefix(" c"), 0);
    EXPECT_EQ(box.FindPrefix(QStringLiteral("CAFé")), 1);
    // Only a-z fold: é and É are different letters to the search.
    EXPECT_EQ(box.FindPrefix(QStringLiteral("CAFÉ")), -1);
    // A character outside Windows-1252 must not turn into a '?' that matches.
    EXPECT_EQ(box.FindPrefix(QStringLiteral("Ж")), -1);
    EXPECT_EQ(box.FindPrefix("?"), 2);
}

} // namespace
