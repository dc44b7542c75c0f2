#include "tools/disegno/svg.h"

#include <gtest/gtest.h>

namespace progetto1::strumento {
namespace {

TEST(TestoXml, CaratteriSpecialiEControllo) {
  EXPECT_EQ(testo_xml("A & B <C> \"d\" 'e'\x01 \xC3\xA0"),
            "A &amp; B &lt;C&gt; &quot;d&quot; &apos;e&apos;? \xC3\xA0");
}

}  // namespace
}  // namespace progetto1::strumento
