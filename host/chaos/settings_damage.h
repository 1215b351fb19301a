#pragma once

#include "host/chaos/chaos_random.h"
#include "host/chaos/chaos_run.h"

// Damages one of the module's files in the host's folder, as a crash, a disk
// or another program leaves it, between an unload and the next load: the
// settings file or the shared header file cut short, filled with noise,
// huge, full of absurd numbers, read-only, missing, or a folder in its place;
// the error list read-only or a folder.
void DamageSettings(ChaosRandom& random, ChaosRun& run);

// The ways a file is damaged, and one of them done to one file.
enum class Damage { kCutShort, kNoise, kHuge, kAbsurd, kReadOnly, kMissing, kFolder };
constexpr int kDamages = 7;
const char* DamageName(Damage damage);
void DamageFile(const char* path, Damage damage, ChaosRandom& random);
