#include "setup_messages.h"

#include <array>

namespace setup {
namespace {

struct Message {
  int id;
  const char* text;
};

constexpr std::array kMessages{
    Message{kAskAbandon, "ｾｯﾄｱｯﾌﾟを中止しますか？"},
    Message{kWorkbenchMissing, "VeldraC.EXEが見つかりません。%s に存在する必要かあります。"},
    Message{kDesktopFailed, "ﾃﾞｽｸﾄｩﾌﾟ上にｼｮｰﾄｶｯﾄを作成するのに失敗しました。"},
    Message{kMenuFailed, "ｽﾀｰﾄ ﾒﾆｭｰへの登録に失敗しました。"},
    Message{kLaunchFailed, "VeldraC.EXEの起動に失敗しました。"},
    Message{kAssociationFailed, "ｱﾌﾟﾘｹｰｼｮﾝの関連付けに失敗しました。"},
    Message{kRunningUninstall,
            "Veldra/Cが起動中です。終了させてから再度ｱﾝｲﾝｽﾄｰﾙを行ってください。"},
    Message{kAskUninstall,
            "Veldra/Cのｱﾝｲﾝｽﾄｰﾙでは、関連するﾚｼﾞｽﾄﾘ及びﾌｧｲﾙの削除を行います。"
            "よろしいですか？"},
    Message{kRunningInstall, "Veldra/Cが起動中です。終了させてからｲﾝｽﾄｰﾙを続行してください。"},
    Message{kSendToFailed, "ﾃﾞｽｸﾄｯﾌﾟﾒﾆｭｰの送るへの登録に失敗しました。"},
    Message{kPackageOwned,
            "ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙはﾊﾟｯｹｰｼﾞで管理されています。登録と設定だけを削除しました。"
            "ﾌﾟﾛｸﾞﾗﾑは %s で削除してください。"},
    Message{kNotWritable,
            "ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙを削除する権限がありません。登録と設定だけを削除しました。"
            "ﾌﾟﾛｸﾞﾗﾑは管理者が %s から削除してください。"},
};

}  // namespace

QString messageText(int id) {
  for (const Message& m : kMessages) {
    if (m.id == id) return QString::fromUtf8(m.text);
  }
  return QStringLiteral("message loading failed");
}

QString messageText(int id, const QString& argument) {
  QString text = messageText(id);
  const qsizetype at = text.indexOf(QLatin1String("%s"));
  if (at >= 0) text.replace(at, 2, argument);
  return text;
}

}  // namespace setup
