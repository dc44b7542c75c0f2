#include "tools/verifica.h"

#include <gtest/gtest.h>

namespace progetto1::strumento {
namespace {

TEST(Verifica, Segnaposto) { EXPECT_TRUE(regole().size() > 0); }

}  // namespace
}  // namespace progetto1::strumento
