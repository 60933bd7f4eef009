#include <gtest/gtest.h>

#include "report/message_list.h"

namespace zel3 {
namespace {

TEST(MessageList, AFindingIsListedOnceByItsFirst36Characters) {
    MessageList list;
    list.AddMessage("Fehler : pmax > pzul !");
    list.AddMessage("Fehler : pmax > pzul !");
    EXPECT_EQ(list.MessageCount(), 1);

    std::string base(36, 'x');
    list.AddMessage(base + "A");
    list.AddMessage(base + "B");
    EXPECT_EQ(list.MessageCount(), 2);
    EXPECT_EQ(list.MessageText(2), base);
}

TEST(MessageList, KeepsTheFirstElevenDistinctFindings) {
    MessageList list;
    for (int i = 1; i <= 12; ++i) list.AddMessage("Fehler : " + std::to_string(i));
    EXPECT_EQ(list.MessageCount(), 11);
    EXPECT_EQ(list.MessageText(11), "Fehler : 11");
    list.calculationFailed = true;
    list.ClearMessages();
    EXPECT_EQ(list.MessageCount(), 0);
    EXPECT_FALSE(list.calculationFailed);
}

}  // namespace
}  // namespace zel3
