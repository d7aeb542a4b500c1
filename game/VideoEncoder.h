#pragma once
// Writes pictures into a video file through Debian's ffmpeg, which runs as
// a child process reading raw RGB frames on its standard input: an MP4
// (H.264) for a name ending in .mp4, an animated GIF (with a palette made
// for the film) for one ending in .gif.

#include <string>

class VideoEncoder {
 public:
  VideoEncoder() = default;
  ~VideoEncoder();  // stops an ffmpeg still running
  VideoEncoder(const VideoEncoder&) = delete;
  VideoEncoder& operator=(const VideoEncoder&) = delete;

  // Whether an ffmpeg program is on the PATH.
  static bool ffmpegInstalled();
  // Whether the file name asks for a format this writes (.mp4, .gif).
  static bool knownFormat(const std::string& path);
  static bool isGif(const std::string& path);

  // Starts ffmpeg writing `path` from frames of width x height at `fps`;
  // false with the reason.
  bool open(const std::string& path, int width, int height, int fps, std::string* error);
  // One frame: width x height RGB pixels, top row first. False once ffmpeg
  // takes no more.
  bool add(const std::string& pixels);
  // Ends the input and waits for ffmpeg; false, with the reason, when it failed.
  bool close(std::string* error);
  long frames() const { return written; }

 private:
  int pid = -1;
  int input = -1;
  long written = 0;
  bool failed = false;
};
