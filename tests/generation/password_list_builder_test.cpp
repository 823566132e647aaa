#include "generation/password_list_builder.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {
TEST(Placeholder, Builds) {
  SecureRandomSource source;
  const ReportText list = PasswordListBuilder(source).buildPasswordList(5, 3, &passwordKinds()[0], false);
  EXPECT_EQ(list.size(), 21U);
}
}  // namespace
}  // namespace qinghe
