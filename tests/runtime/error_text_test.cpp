#include <gtest/gtest.h>

#include "runtime/runtime_error.h"

TEST(RuntimeErrorText, CodeZeroAndEmptyMessageGiveOnlyTheHeading)
{
    EXPECT_EQ(rt::FormatRuntimeErrorText(0, ""), "运行时出错!\r\n\r\n");
    EXPECT_EQ(rt::FormatRuntimeErrorText(0, nullptr), "运行时出错!\r\n\r\n");
}

TEST(RuntimeErrorText, CodeAndMessageFollowInTheirOwnLines)
{
    EXPECT_EQ(rt::FormatRuntimeErrorText(3, "消息"), "运行时出错!\r\n\r\n错误代码：3\r\n\r\n错误信息：消息\r\n");
    EXPECT_EQ(rt::FormatRuntimeErrorText(-7, ""), "运行时出错!\r\n\r\n错误代码：-7\r\n\r\n");
    EXPECT_EQ(rt::FormatRuntimeErrorText(0, "载入启动窗口失败"), "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
}

TEST(RuntimeErrorText, ElevenCodesHaveMessages)
{
    EXPECT_EQ(rt::ErrorCodeMessage(0), nullptr);
    EXPECT_STREQ(rt::ErrorCodeMessage(1), "数组成员引用下标超出定义范围");
    EXPECT_STREQ(rt::ErrorCodeMessage(11), "所提供参数的数据类型不符合要求");
    EXPECT_EQ(rt::ErrorCodeMessage(12), nullptr);
}
