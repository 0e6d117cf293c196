// shell_test.cpp: openWithShell hands its text to the platform layer unchanged.
#include "storage/storage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// This executable stands in for the platform layer's hand-over, so no test ever opens
// anything; the stand-in accepts everything except "refuse".
static std::vector<std::string> handedOver;

bool platformOpenUrl(const char* url)
{
    handedOver.emplace_back(url);
    return handedOver.back() != "refuse";
}

TEST(OpenWithShell, PassesTheTextAndTheSystemsAnswer)
{
    EXPECT_TRUE(openWithShell("https://example.org/help?page=2"));
    EXPECT_FALSE(openWithShell("refuse"));
    EXPECT_FALSE(openWithShell(BWString()));
    EXPECT_FALSE(openWithShell(""));
    EXPECT_EQ(handedOver, (std::vector<std::string>{"https://example.org/help?page=2", "refuse"}));
}
