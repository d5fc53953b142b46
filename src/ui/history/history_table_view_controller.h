#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QObject>
#include <QString>

namespace uc {

class CalcManager;

// The stored calculations as rows, newest first. Holds no copy: every row is read from the
// store when asked, and the store's fine-grained signals become row signals, so a history of
// 10 000 entries costs only the rows on screen.
class HistoryListModel : public QAbstractListModel {
  Q_OBJECT
  QML_ANONYMOUS
  Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

 public:
  enum Role { LatexRole = Qt::UserRole + 1, IncompleteRole };

  explicit HistoryListModel(QObject* parent = nullptr);

  void setCalcManager(CalcManager* manager);
  CalcManager& calcManager() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  // What a row shows: the stored summary, one made from the typed inputs when the summary
  // is missing, or nothing for a record that holds neither (the view says so in words).
  QString latexAt(int row) const;

 signals:
  void countChanged();

 private:
  void follow(CalcManager* manager);

  CalcManager* manager_ = nullptr;
  QList<QMetaObject::Connection> connections_;
};

// The history screen: lists the store, deletes and reorders entries, clears all of it after
// a confirmation, and reopens an entry on fresh input and result pages.
class HistoryTableViewController : public QObject {
  Q_OBJECT
  // Its view, HistoryTableViewController.qml, has its name.
  QML_NAMED_ELEMENT(HistoryTableViewControllerLogic)
  Q_PROPERTY(uc::HistoryListModel* model READ model CONSTANT)
  Q_PROPERTY(bool editing READ editing NOTIFY editingChanged)
  Q_PROPERTY(
      bool clearConfirmationShown READ clearConfirmationShown NOTIFY clearConfirmationShownChanged)
  Q_PROPERTY(QString title READ title CONSTANT)

 public:
  explicit HistoryTableViewController(QObject* parent = nullptr);

  // The store the screen reads and writes; CalcManager::shared() unless set (tests).
  void setCalcManager(CalcManager* manager) { model_.setCalcManager(manager); }

  HistoryListModel* model() { return &model_; }
  bool editing() const { return editing_; }
  bool clearConfirmationShown() const { return clearConfirmationShown_; }
  QString title() const;

  Q_INVOKABLE void handleEditButton();
  // Every row can be deleted and moved.
  Q_INVOKABLE bool deleteRow(int row);
  Q_INVOKABLE bool moveRow(int from, int to);

  // Clearing waits for the learner's answer to the confirmation.
  Q_INVOKABLE void handleClearAllButton();
  Q_INVOKABLE void confirmClearHistory();
  Q_INVOKABLE void cancelClearHistory();

  // Makes the entry the selected calculation and asks for fresh main pages, which load it.
  Q_INVOKABLE void didSelectRow(int row);

 signals:
  void editingChanged();
  void clearConfirmationShownChanged();

 private:
  void setClearConfirmationShown(bool shown);

  HistoryListModel model_;
  bool editing_ = false;
  bool clearConfirmationShown_ = false;
};

}  // namespace uc
