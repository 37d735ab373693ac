// Writes "Ping.wav", the pinger's sound: two short bell-like notes (C6, then
// G6) with a soft attack and a decay that fades to silence. 16-bit mono PCM at
// 22050 Hz, about 14 KB. Built and run on the build host at build time.
//   make_ping_sound OUTPUT.wav
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kSeconds = 0.32;
constexpr double kPi = 3.14159265358979323846;

struct Note {
  double startSeconds;
  double hertz;
  double loudness;
};

// A bell-like note: the fundamental with two quieter harmonics, a 4 ms
// attack and an exponential decay.
double NoteAt(const Note& note, double t) {
  const double since = t - note.startSeconds;
  if (since < 0) return 0;
  const double attack = std::fmin(1.0, since / 0.004);
  const double decay = std::exp(-since / 0.075);
  const double phase = 2 * kPi * note.hertz * since;
  return note.loudness * attack * decay * (std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase));
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_ping_sound OUTPUT.wav\n");
    return 2;
  }
  const Note notes[] = {{0.0, 1046.5, 0.45}, {0.09, 1568.0, 0.35}};
  const int frames = static_cast<int>(kSeconds * kRate);
  const int fadeFrames = kRate / 40;  // the last 25 ms fade to silence

  std::vector<uint8_t> samples;
  for (int i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    double value = 0;
    for (const Note& note : notes) value += NoteAt(note, t);
    if (i >= frames - fadeFrames) value *= static_cast<double>(frames - 1 - i) / fadeFrames;
    value = std::fmax(-1.0, std::fmin(1.0, value));
    PutLittleEndian(samples, static_cast<uint32_t>(static_cast<int16_t>(std::lround(value * 32767))), 2);
  }

  std::vector<uint8_t> file;
  auto tag = [&file](const char* text) { file.insert(file.end(), text, text + 4); };
  tag("RIFF");
  PutLittleEndian(file, static_cast<uint32_t>(36 + samples.size()), 4);
  tag("WAVE");
  tag("fmt ");
  PutLittleEndian(file, 16, 4);  // format chunk size
  PutLittleEndian(file, 1, 2);   // PCM
  PutLittleEndian(file, 1, 2);   // mono
  PutLittleEndian(file, kRate, 4);
  PutLittleEndian(file, kRate * 2, 4);  // bytes per second
  PutLittleEndian(file, 2, 2);          // bytes per frame
  PutLittleEndian(file, 16, 2);         // bits per sample
  tag("data");
  PutLittleEndian(file, static_cast<uint32_t>(samples.size()), 4);
  file.insert(file.end(), samples.begin(), samples.end());

  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) {
    std::perror(argv[1]);
    return 1;
  }
  const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && written ? 0 : 1;
}
