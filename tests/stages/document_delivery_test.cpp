#include <gtest/gtest.h>

#include "output/document_delivery.hpp"

using namespace zemlar::DocumentDelivery;

namespace {

TEST(DeliveryCommands, ConversionNamesBothCodePagesAndQuotesTheFiles) {
  EXPECT_EQ(conversionCommand("1250", "search_in.htm", "search_out.htm"),
            R"(convertcp 1250 65001 /i "search_in.htm" /o "search_out.htm")");
  EXPECT_EQ(conversionCommand("54936", "search_in.htm", "search_out.htm"),
            R"(convertcp 54936 65001 /i "search_in.htm" /o "search_out.htm")");
}

TEST(DeliveryCommands, CopyOverwritesTheDeliveredDocument) {
  EXPECT_EQ(copyCommand(kConvertedName, kDeliveredName), "copy /y search_out.htm Google_search_list.htm");
}

}  // namespace
