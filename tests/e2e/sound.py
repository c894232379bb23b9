"""Sound made for the player and sound heard from it: WAV tones in, and the
recording of the prefix's PulseAudio null sink (tools/sound-server.sh: float32,
stereo, 48 kHz, on the wall clock, silence included) out."""
import array
import math
import os
import wave

CAPTURE = os.path.join(os.environ.get("VEXMOOR_CAPTURE_DIR", ""), "out.raw")


def write_tone(path, parts, rate=44100):
    """A WAV file of one or more sine parts: [(frequency, seconds), ...]."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    frames = array.array("h")
    fade = int(rate * 0.005)
    for frequency, seconds in parts:
        count = int(rate * seconds)
        for i in range(count):
            envelope = min(1.0, i / fade, (count - 1 - i) / fade)
            frames.append(int(12000 * envelope * math.sin(2 * math.pi * frequency * i / rate)))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(frames.tobytes())
    return path


def capture_clear():
    """Empties the recording; the recorder appends, so what is heard next starts it afresh."""
    if os.path.exists(CAPTURE):
        os.truncate(CAPTURE, 0)


def _captured_samples():
    """The left channel of everything heard since the last clear, at a quarter of the 48 kHz rate."""
    with open(CAPTURE, "rb") as raw:
        data = raw.read()
    samples = array.array("f")
    samples.frombytes(data[:len(data) - len(data) % 8])
    return samples[0::8]


def _goertzel_power(block, frequency, rate):
    coefficient = 2 * math.cos(2 * math.pi * frequency / rate)
    s1 = s2 = 0.0
    for sample in block:
        s1, s2 = sample + coefficient * s1 - s2, s1
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2


def captured_tones(frequencies, rate=12000, block_seconds=0.02, shortest_seconds=0.06):
    """The order in which the tones of the given pitches were heard, each run of
    one pitch once; fragments shorter than 60 ms are ignored. Silence is skipped:
    a gap between two tracks of one pitch, or a pause, does not split it up."""
    samples = _captured_samples()
    size = int(rate * block_seconds)
    runs = []
    for start in range(0, len(samples) - size + 1, size):
        block = samples[start:start + size]
        if max(block) < 0.02 and -min(block) < 0.02:
            continue
        label = max(frequencies, key=lambda f: _goertzel_power(block, f, rate))
        if runs and runs[-1][0] == label:
            runs[-1][1] += 1
        else:
            runs.append([label, 1])
    shortest = math.ceil(shortest_seconds / block_seconds)
    heard = []
    for label, count in runs:
        if count >= shortest and (not heard or heard[-1] != label):
            heard.append(label)
    return heard


def tone_levels(frequencies, rate=12000, block_seconds=0.02):
    """Each pitch's level in dB (RMS, full scale 1): the median of its 20 ms blocks, silent ones left out."""
    samples, size, levels = _captured_samples(), int(rate * block_seconds), {}
    for start in range(0, len(samples) - size + 1, size):
        block = samples[start:start + size]
        rms = math.sqrt(sum(sample * sample for sample in block) / size)
        if rms >= 0.002:
            levels.setdefault(max(frequencies, key=lambda f: _goertzel_power(block, f, rate)), []).append(rms)
    return {pitch: 20 * math.log10(sorted(found)[len(found) // 2]) for pitch, found in levels.items()}
