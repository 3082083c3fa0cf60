#include "mainwnd/sampletext.h"

namespace mainwnd {

// Escapes keep the source file ASCII; the lines read, in order:
//   !"#$%&'()*+,-./
//   0123456789:;<=>?@
//   ABCDEFGHIJKLMNOPQRSTUVWXYZ
//   abcdefghijklmnopqrstuvwxyz
//   あいうえおかきくけこさしすせそたちつてと
//   アイウエオカキクケコサシスセソタチツテト
//   ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ
//   「」『』《》【】◎●○☆
//   亜唖娃阿哀愛挨姶逢葵
//   弌丐丕个丱丶丼丿乂乖
//   纊褜鍈銈蓜俉炻昱棈鋹
const std::wstring_view kSampleText =
    L"!\"#$%&'()*+,-./\r\n"
    L"0123456789:;<=>?@\r\n"
    L"ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n"
    L"abcdefghijklmnopqrstuvwxyz\r\n"
    L"\u3042\u3044\u3046\u3048\u304A\u304B\u304D\u304F\u3051\u3053\u3055\u3057\u3059\u305B\u305D\u305F\u3061\u3064\u3066\u3068\r\n"
    L"\u30A2\u30A4\u30A6\u30A8\u30AA\u30AB\u30AD\u30AF\u30B1\u30B3\u30B5\u30B7\u30B9\u30BB\u30BD\u30BF\u30C1\u30C4\u30C6\u30C8\r\n"
    L"\uFF71\uFF72\uFF73\uFF74\uFF75\uFF76\uFF77\uFF78\uFF79\uFF7A\uFF7B\uFF7C\uFF7D\uFF7E\uFF7F\uFF80\uFF81\uFF82\uFF83\uFF84\r\n"
    L"\u300C\u300D\u300E\u300F\u300A\u300B\u3010\u3011\u25CE\u25CF\u25CB\u2606\r\n"
    L"\u4E9C\u5516\u5A03\u963F\u54C0\u611B\u6328\u59F6\u9022\u8475\r\n"
    L"\u5F0C\u4E10\u4E15\u4E2A\u4E31\u4E36\u4E3C\u4E3F\u4E42\u4E56\r\n"
    L"\u7E8A\u891C\u9348\u9288\u84DC\u4FC9\u70BB\u6631\u68C8\u92F9";

}  // namespace mainwnd
