#include "programs.h"

#include "prisma/form1.h"
#include "streu/form1.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/start/form3.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/windows.h"

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
        // tavrin from its start window; the driver's clicks open the models.
        {QStringLiteral("tavrin"),
         [] {
             auto &start = tavrin::Windows::Get().StartForm();
             start.show();
             return static_cast<QWidget *>(&start);
         }},
        // tavrin with the ray model open, as after the left "Start".
        {QStringLiteral("tavrin-ray"),
         [] {
             auto &ray = tavrin::Windows::Get().RayForm();
             ray.show();
             return static_cast<QWidget *>(&ray);
         }},
        // tavrin with the wave model open beside the start window.
        {QStringLiteral("tavrin-wave"),
         [] {
             tavrin::Windows::Get().StartForm().show();
             auto &wave = tavrin::Windows::Get().WaveForm();
             wave.show();
             return static_cast<QWidget *>(&wave);
         }},
    };
}

void CloseAll() { tavrin::Windows::Get().Reset(); }

} // namespace rb::robustness
