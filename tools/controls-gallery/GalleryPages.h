#pragma once
// One factory per group of controls; main.cpp lists them as tabs.
class QWidget;

QWidget *CreateSelectorPage();
QWidget *CreateNumericPage();
QWidget *CreateAudioMeterPage();
QWidget *CreateListPage();
QWidget *CreateFramingPage();
