// The FTP client against a real FTP server on 127.0.0.1, and the GIF writer.
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <curl/curl.h>
#include <gtest/gtest.h>

#include "support/ftp_server.h"
#include "support/temp_dir.h"
#include "ui/curl_ftp.h"
#include "ui/gif_writer.h"

using testing_support::FtpServer;
using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;

namespace {

// Generous for a busy machine; only the silent server waits out a time-out.
const ui::FtpTimeouts kTestTimeouts{10, 10, 10};
const ui::FtpTimeouts kShortTimeouts{1, 1, 1};

std::string pictureBytes(int seed) {
  std::string s = "GIF89a";
  for (int i = 0; i < 3000; ++i) s += char((i * seed + i / 7) & 0xFF);  // every byte value, CR and LF included
  return s;
}

}  // namespace

TEST(CurlFtp, OneLoginServesEveryUploadAndFilesArriveByteForByte) {
  FtpServer server(true);
  ASSERT_GT(server.port, 0);
  TempDir local;
  const char* names[] = {"small1.gif", "index1A.gif", "index1B.gif"};
  for (int i = 0; i < 3; ++i) writeBytes(local / names[i], pictureBytes(i + 3));

  ui::CurlFtpClient ftp(kTestTimeouts);
  EXPECT_FALSE(ftp.connected());
  ASSERT_TRUE(ftp.connect("127.0.0.1", server.port, "administrator", server.password)) << ftp.lastCode();
  EXPECT_TRUE(ftp.connected());
  for (const char* n : names) EXPECT_TRUE(ftp.upload(local / n, n)) << n << " " << ftp.lastCode();
  // A second round overwrites the files on the same connection.
  writeBytes(local / names[0], pictureBytes(11));
  EXPECT_TRUE(ftp.upload(local / names[0], names[0]));
  EXPECT_TRUE(ftp.connected());
  ftp.close();
  EXPECT_FALSE(ftp.connected());

  EXPECT_EQ(server.logins(), 1);
  EXPECT_TRUE(readBytes(server.root / names[0]) == pictureBytes(11));
  EXPECT_TRUE(readBytes(server.root / names[1]) == pictureBytes(4));
  EXPECT_TRUE(readBytes(server.root / names[2]) == pictureBytes(5));
}

TEST(CurlFtp, FailuresAndWhetherTheConnectionSurvives) {
  // Wrong password: refused login, nothing connected.
  {
    FtpServer server(true);
    ASSERT_GT(server.port, 0);
    ui::CurlFtpClient ftp(kTestTimeouts);
    EXPECT_FALSE(ftp.connect("127.0.0.1", server.port, "administrator", server.password + "x"));
    EXPECT_EQ(ftp.lastCode(), CURLE_LOGIN_DENIED);
    EXPECT_FALSE(ftp.connected());
    TempDir local;
    writeBytes(local / "a.gif", "x");
    EXPECT_FALSE(ftp.upload(local / "a.gif", "a.gif"));
    EXPECT_FALSE(std::filesystem::exists(server.root / "a.gif"));
  }
  // Read-only account: the upload fails, the login stays usable.
  {
    FtpServer server(false);
    ASSERT_GT(server.port, 0);
    TempDir local;
    writeBytes(local / "a.gif", pictureBytes(1));
    ui::CurlFtpClient ftp(kTestTimeouts);
    ASSERT_TRUE(ftp.connect("127.0.0.1", server.port, "administrator", server.password));
    EXPECT_FALSE(ftp.upload(local / "a.gif", "a.gif"));
    EXPECT_EQ(ftp.lastCode(), CURLE_UPLOAD_FAILED);
    EXPECT_TRUE(ftp.connected());
    EXPECT_FALSE(std::filesystem::exists(server.root / "a.gif"));
    // A missing local file fails without sending anything.
    EXPECT_FALSE(ftp.upload(local / "missing.gif", "missing.gif"));
    EXPECT_TRUE(ftp.connected());
  }
  // A closed port, and a server that accepts but never answers.
  {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const int closedPort = probe.serverPort();
    probe.close();
    ui::CurlFtpClient ftp(kShortTimeouts);
    EXPECT_FALSE(ftp.connect("127.0.0.1", closedPort, "administrator", "pw"));
    EXPECT_EQ(ftp.lastCode(), CURLE_COULDNT_CONNECT);

    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    EXPECT_FALSE(ftp.connect("127.0.0.1", silent.serverPort(), "administrator", "pw"));
    EXPECT_EQ(ftp.lastCode(), CURLE_OPERATION_TIMEDOUT);
    EXPECT_FALSE(ftp.connected());
  }
}

TEST(CurlFtp, ServerGoneAfterLoginEndsTheConnection) {
  FtpServer server(true);
  ASSERT_GT(server.port, 0);
  TempDir local;
  writeBytes(local / "a.gif", pictureBytes(2));
  ui::CurlFtpClient ftp(kTestTimeouts);
  ASSERT_TRUE(ftp.connect("127.0.0.1", server.port, "administrator", server.password));
  server.stop();
  EXPECT_FALSE(ftp.upload(local / "a.gif", "a.gif"));
  EXPECT_FALSE(ftp.connected());
}

TEST(GifWriter, WritesARealGifThatReadsBackPixelForPixel) {
  TempDir dir;
  // Four flat colours: few enough that quantizing keeps each exactly.
  QImage img(40, 30, QImage::Format_RGB32);
  const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) img.setPixel(x, y, colours[(x / 10 + y / 15) % 4]);
  writeBytes(dir / "index1A.gif", "old content");
  ASSERT_TRUE(ui::writeGif(img, dir / "index1A.gif"));
  EXPECT_EQ(readBytes(dir / "index1A.gif").substr(0, 3), "GIF");
  EXPECT_FALSE(std::filesystem::exists(dir / "index1A.gif.tmp"));

  QImage back(QString::fromStdString((dir / "index1A.gif").string()), "GIF");
  ASSERT_FALSE(back.isNull());
  ASSERT_EQ(back.size(), img.size());
  for (int y = 0; y < 30; y += 7)
    for (int x = 0; x < 40; x += 3) EXPECT_EQ(back.pixel(x, y) & 0xFFFFFF, img.pixel(x, y) & 0xFFFFFF) << x << "," << y;

  // Thousands of colours: quantized, yet white stays white and every pixel
  // stays close to its colour.
  QImage shades(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) shades.setPixel(x, y, y < 8 ? qRgb(255, 255, 255) : qRgb(x * 4, y * 4, (x + y) * 2));
  ASSERT_TRUE(ui::writeGif(shades, dir / "shades.gif"));
  QImage shadesBack(QString::fromStdString((dir / "shades.gif").string()), "GIF");
  ASSERT_EQ(shadesBack.size(), shades.size());
  EXPECT_EQ(shadesBack.pixel(5, 3) & 0xFFFFFF, 0xFFFFFFu);
  double error = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const QColor a = shades.pixelColor(x, y), b = shadesBack.pixelColor(x, y);
      error += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    }
  EXPECT_LE(error / (64 * 64 * 3), 8.0);  // mean error per primary

  // A folder that does not exist: nothing written, failure reported.
  EXPECT_FALSE(ui::writeGif(img, dir / "no" / "such.gif"));
  EXPECT_FALSE(ui::writeGif(QImage(), dir / "null.gif"));
  EXPECT_FALSE(std::filesystem::exists(dir / "null.gif"));
}
