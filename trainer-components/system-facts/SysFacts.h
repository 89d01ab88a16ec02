#pragma once

#include <QString>

// Facts about the machine the trainer runs on. Memory figures are 64-bit so
// that today's sizes are shown whole; each call reads the system afresh.

// The temporary folder without a trailing separator; empty when there is none.
QString TempFolderPath();

qint64 SwapFileBytesUsed();
// 0 when the machine has no swap.
int SwapFileUsagePercent();
qint64 PhysicalMemoryTotal();
qint64 PhysicalMemoryFree();

// Reads the processor count; the program calls it once, before its first window.
void ReadSystemFacts();
// The processor count read by ReadSystemFacts (0 before it ran).
quint32 CpuCount();
