#include "programs.h"

#include "prisma/form1.h"
#include "streu/form1.h"

namespace rb::robustness {

std::vector<Program> Programs()
{
    return {
        {QStringLiteral("streu"),
         [] {
             auto *f = new streu::Form1;
             f->Form_Load();
             f->show();
             return static_cast<QWidget *>(f);
         }},
        {QStringLiteral("prisma"),
         [] {
             auto *f = new prisma::Form1;
             f->Form_Load();
             f->show();
             return static_cast<QWidget *>(f);
         }},
    };
}

} // namespace rb::robustness
