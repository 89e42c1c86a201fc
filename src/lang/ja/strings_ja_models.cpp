// Japanese model strings: the words of a description or version note translated, the
// product codes (prefix, type codes, interfaces, I/O) kept as they are. Model strings that
// are codes only stay English.
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {3500, "KT2-|1**1 Modbus, Do x1, Di x1|Ver.1.02以前"},
    {3501, "KT6-|1**1 Modbus, Do x1, Di x1|Ver.1.03以前"},
    {3502, "KT6-|1**2/7 Ao 4-20mA x4, Do x1, Di x1|Ver.1.03以前"},
    {3503, "KT6-|1**3/8 Ao 1-5V x4, Do x1, Di x1|Ver.1.03以前"},
    {3504, "KT2-|1**1 Modbus, Do x1, Di x1|Ver.2.00～2.31"},
    {3505, "KT2-|1**2 Ao 4-20mA x4|Ver.2.31以前"},
    {3506, "KT2-|1**3 Ao 1-5V x4|Ver.2.31以前"},
    {3507, "KT2-|1**4 Ao 4-20mA x2, Do x1, Di x1|Ver.2.31以前"},
    {3508, "KT2-|1**5 Ao 1-5V x2, Do x1, Di x1|Ver.2.31以前"},
    {3509, "KT2-|1**6 Ao 4-20mA x2, Do x2|Ver.2.31以前"},
    {3510, "KT2-|1**7 Ao 1-5V x2, Do x2|Ver.2.31以前"},
    {3511, "KT2-|1**8 Modbus, Do x3|Ver.2.31以前"},
    {3512, "KT2-|1**9 Do x4|Ver.2.31以前"},
    {3513, "KT6-|1**1 Modbus, Do x1, Di x1|Ver.2.00～2.20"},
    {3514, "KT6-|1**2/7 Ao 4-20mA x4, Do x1, Di x1|Ver.2.00～2.20"},
    {3515, "KT6-|1**3/8 Ao 1-5V x4, Do x1, Di x1|Ver.2.00～2.20"},
    {3516, "KT6-|1**4 Modbus, Do x2|Ver.2.00～2.20"},
    {3517, "KT6-|1**5/9 Ao 4-20mA x4, Do x2|Ver.2.00～2.20"},
    {3518, "KT6-|1**6/A Ao 1-5V x4, Do x2|Ver.2.00～2.20"},
    {3525, "KT6N-|1**1 LonWorks, Do x1, Di x1|Ver.1.02以前"},
    {3526, "KT6N-|1**2 LonWorks, Do x2|Ver.1.02以前"},
    {3535, "ZBKPQV-|21* 3P4W, CC-Link, カウンタ x4"},
    {3536, "ZBKPQV-|22* 3P4W, CC-Link, 入力 x2"},
    {3537, "ZBDPQV-|21* 3P4W, Modbus, カウンタ x4"},
    {3538, "ZBDPQV-|22* 3P4W, Modbus, 入力 x2"},
    {3539, "KT6-|1**1 Modbus, Do x1, Di x1|Ver.3.00以降"},
    {3540, "KT6-|1**2/7 Ao 4-20mA x4, Do x1, Di x1|Ver.3.00以降"},
    {3541, "KT6-|1**3/8 Ao 1-5V x4, Do x1, Di x1|Ver.3.00以降"},
    {3542, "KT6-|1**4 Modbus, Do x2|Ver.3.00以降"},
    {3543, "KT6-|1**5/9 Ao 4-20mA x4, Do x2|Ver.3.00以降"},
    {3544, "KT6-|1**6/A Ao 1-5V x4, Do x2|Ver.3.00以降"},
    {3545, "KT6N-|1**1 LonWorks, Do x1, Di x1|Ver.3.00以降"},
    {3546, "KT6N-|1**2 LonWorks, Do x2|Ver.3.00以降"},
    {3547, "KT6K-|1**1 CC-Link, Do x1, Di x1|Ver.3.00以降"},
    {3548, "KT6K-|1**2 CC-Link, Do x2|Ver.3.00以降"},
    {3552, "ZCDPQV-|2*** Modbus, 入力 x8"},
    {3560, "ZCKPQV-|2*** CC-Link, 入力 x8"},
    {3561, "ZCTPQV-|2*** Modbus-TCP, 入力 x8"},
    {3562, "ZBTPQV-|21* 3P4W, Modbus-TCP, カウンタ x4"},
    {3563, "ZBTPQV-|22* 3P4W, Modbus, 入力 x2"},
    {3564, "ZCDPQV-|2*** Modbus, 入力 x8, +ZCPQV-XQ8(入力 x8)"},
    {3566, "ZCKPQV-|2*** CC-Link, 入力 x8, +ZCPQV-XQ8(入力 x8)"},
    {3567, "ZCTPQV-|2*** Modbus-TCP, 入力 x8, +ZCPQV-XQ8(入力 x8)"},
    {3571, "KT2-|1**1 Modbus, Do x1, Di x1|Ver.2.40以降"},
    {3572, "KT2-|1**2 Ao 4-20mA x4|Ver.2.40以降"},
    {3573, "KT2-|1**3 Ao 1-5V x4|Ver.2.40以降"},
    {3574, "KT2-|1**4 Ao 4-20mA x2, Do x1, Di x1|Ver.2.40以降"},
    {3575, "KT2-|1**5 Ao 1-5V x2, Do x1, Di x1|Ver.2.40以降"},
    {3576, "KT2-|1**6 Ao 4-20mA x2, Do x2|Ver.2.40以降"},
    {3577, "KT2-|1**7 Ao 1-5V x2, Do x2|Ver.2.40以降"},
    {3578, "KT2-|1**8 Modbus, Do x3|Ver.2.40以降"},
    {3579, "KT2-|1**9 Do x4|Ver.2.40以降"},
};

}  // namespace

const std::span<const StringEntry> kModels{kData};

}  // namespace voltaro::ja
