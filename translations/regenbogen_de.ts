<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>rb::streu::Form1</name>
    <message numerus="yes">
        <source>Richtung des gestreuten Lichts gegen Stoßparameter für k = %n Reflexionen</source>
        <translation>
            <numerusform>Richtung des gestreuten Lichts gegen Stoßparameter für k = %n Reflexion</numerusform>
            <numerusform>Richtung des gestreuten Lichts gegen Stoßparameter für k = %n Reflexionen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rb::tavrin::Form5</name>
    <message numerus="yes">
        <source>Amplitude gegen Beobachtungswinkel: %n Balken</source>
        <translation>
            <numerusform>Amplitude gegen Beobachtungswinkel: %n Balken</numerusform>
            <numerusform>Amplitude gegen Beobachtungswinkel: %n Balken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tropfen mit %n Strahlen zum Beobachter unter %1°</source>
        <translation>
            <numerusform>Tropfen mit %n Strahl zum Beobachter unter %1°</numerusform>
            <numerusform>Tropfen mit %n Strahlen zum Beobachter unter %1°</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tropfen mit %n Strahlen zum Punkt (%1; %2)</source>
        <translation>
            <numerusform>Tropfen mit %n Strahl zum Punkt (%1; %2)</numerusform>
            <numerusform>Tropfen mit %n Strahlen zum Punkt (%1; %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; dazu %n einzelne Strahlen</source>
        <translation>
            <numerusform>; dazu %n einzelner Strahl</numerusform>
            <numerusform>; dazu %n einzelne Strahlen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rb::tavrin::form2</name>
    <message numerus="yes">
        <source>%n Strahlen, zuletzt bei Stoßparameter %1 mit Streuwinkel %2°</source>
        <translation>
            <numerusform>%n Strahl, bei Stoßparameter %1 mit Streuwinkel %2°</numerusform>
            <numerusform>%n Strahlen, zuletzt bei Stoßparameter %1 mit Streuwinkel %2°</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Strahlen, zuletzt mit Streuwinkel %1°</source>
        <translation>
            <numerusform>%n Strahl, mit Streuwinkel %1°</numerusform>
            <numerusform>%n Strahlen, zuletzt mit Streuwinkel %1°</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streuwinkel 30° bis 60°: %n Marken von %1° bis %2°</source>
        <translation>
            <numerusform>Streuwinkel 30° bis 60°: %n Marke von %1° bis %2°</numerusform>
            <numerusform>Streuwinkel 30° bis 60°: %n Marken von %1° bis %2°</numerusform>
        </translation>
    </message>
</context>
</TS>
