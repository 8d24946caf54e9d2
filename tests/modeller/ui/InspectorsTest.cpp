// The element inspectors driven as a user would: scripted answers fill the controls before the
// button of the answer is pressed, nested dialogs take the next answer in the queue.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QTest>

#include "ModellerFixture.h"
#include "modeller/ui/ArgIns.h"
#include "modeller/ui/AssoIns.h"
#include "modeller/ui/AttrIns.h"
#include "modeller/ui/ClassIns.h"
#include "modeller/ui/CnstrIns.h"
#include "modeller/ui/ConstIns.h"
#include "modeller/ui/CmmtIns.h"
#include "modeller/ui/FrmAnDlg.h"
#include "modeller/ui/IntfIns.h"
#include "modeller/ui/MethIns.h"
#include "modeller/ui/OperIns.h"
#include "modeller/ui/TextIns.h"
#include "modeller/ui/TypeDlg.h"
#include "TestSupport.h"

using namespace modeller;
using platform::ModalAnswer;
using platform::mrCancel;
using platform::mrOk;

namespace {

// Keys as the user types them: to the dialog's window, where the focused control has them first.
void Type(platform::TForm& dialog, QWidget* focus, const char* text, Qt::Key key) {
  dialog.Show();
  focus->setFocus();
  for (const char* typed = text; *typed != '\0'; ++typed) QTest::keyClick(dialog.windowHandle(), *typed);
  QTest::keyClick(dialog.windowHandle(), key);
}

class Inspectors : public ModellerTest {
 protected:
  TJavaClass* DrawClass(int x, int y) {
    Draw(Main().ClassButton, x, y, x, y);
    return NodeAs<TJavaClass>(Graph().NodeCount() - 1);
  }
  void Answer(int result, std::function<void()> fill = {}) {
    Modal().Queue(ModalAnswer{result, "", 0, [fill](QWidget*) {
                                if (fill) fill();
                              }});
  }
};

TEST_F(Inspectors, NewAttributeFromTheClassInspectorIsStoredAndSaved) {
  TJavaClass* type = DrawClass(102, 42);
  Graph().Modified = false;
  Answer(mrOk, [this] {
    ClassInspector()->ClassNameEdit->setText("Account");
    ClassInspector()->AbstractCheckBox->setChecked(true);
    ClassInspector()->AttributeNewButton->click();
    EXPECT_EQ(ClassInspector()->AttributesListBox->count(), 1);
    EXPECT_TRUE(ClassInspector()->AttributeDeleteButton->isEnabled());
  });
  Answer(mrOk, [] {
    EXPECT_EQ(AttributeInspector()->AttributeNameEdit->text(), "noname");
    EXPECT_EQ(AttributeInspector()->AccessModifier->ItemIndex(), maPackage);
    AttributeInspector()->AttributeNameEdit->setText("balance");
    AttributeInspector()->AttributeTypeEdit->setText("long");
    AttributeInspector()->InitialValueEdit->setText("0");
    AttributeInspector()->StaticCheckBox->setChecked(true);
    AttributeInspector()->AccessModifier->SetItemIndex(maPrivate);
  });
  DoubleClick(112, 47);
  EXPECT_EQ(Modal().Pending(), 0);
  EXPECT_EQ(type->Name(), "Account");
  EXPECT_TRUE(type->Abstract());
  ASSERT_EQ(type->AttributeCount(), 1);
  auto* attribute = dynamic_cast<TJavaAttribute*>(type->Attributes(0));
  ASSERT_NE(attribute, nullptr);
  EXPECT_EQ(attribute->Declaration(), "long balance = 0");
  EXPECT_TRUE(attribute->Static());
  EXPECT_FALSE(attribute->Final());
  EXPECT_EQ(attribute->Access(), maPrivate);
  EXPECT_TRUE(Graph().Modified);

  const std::string file = temp_.File("bank.mdl");
  SaveModel(file);
  const std::string text = testsupport::ReadFile(file);
  EXPECT_NE(text.find("Account"), std::string::npos);
  EXPECT_NE(text.find("balance"), std::string::npos);
}

TEST_F(Inspectors, CancelLeavesTheElementAsItWas) {
  TJavaClass* type = DrawClass(102, 42);
  const std::string name = type->Name();
  Answer(mrCancel, [] {
    ClassInspector()->ClassNameEdit->setText("Other");
    ClassInspector()->PackageCheckBox->setChecked(false);
    ClassInspector()->ShowPublicCheckBox->setChecked(true);
    ClassInspector()->AttributeNewButton->click();
    EXPECT_EQ(ClassInspector()->AttributesListBox->count(), 0) << "a cancelled new attribute is dropped";
    EXPECT_FALSE(ClassInspector()->AttributeDeleteButton->isEnabled());
  });
  Answer(mrCancel, [] { AttributeInspector()->AttributeNameEdit->setText("lost"); });
  DoubleClick(112, 47);
  EXPECT_EQ(type->Name(), name);
  EXPECT_TRUE(type->PackageMember());
  EXPECT_EQ(type->ShowPublicOnly(), 0);
  EXPECT_EQ(type->AttributeCount(), 0);
}

TEST_F(Inspectors, ReturnPressesOkAndEscapeCancelsWhileTheBodyKeepsItsReturns) {
  TJavaClass* type = DrawClass(102, 42);
  Answer(mrOk, [] { ClassInspector()->MethodNewButton->click(); });
  Answer(platform::mrNone, [] {
    TMethodInspector& inspector = *MethodInspector();
    inspector.Show();
    inspector.MethodNameEdit->clear();
    Type(inspector, inspector.ImplementationMemo, "int a;", Qt::Key_Return);
    EXPECT_EQ(inspector.ModalResult(), platform::mrNone) << "the body takes Return as a line break";
    Type(inspector, inspector.MethodNameEdit, "run", Qt::Key_Return);
  });
  DoubleClick(112, 47);
  ASSERT_EQ(type->MethodCount(), 1) << "Return in the name presses OK";
  auto* method = dynamic_cast<TJavaMethod*>(type->Methods(0));
  ASSERT_NE(method, nullptr);
  EXPECT_EQ(method->Name(), "run");
  ASSERT_EQ(method->Implementation().Count(), 2);
  EXPECT_EQ(method->Implementation()[0], "int a;");

  Answer(platform::mrNone, [] { Type(*MethodInspector(), MethodInspector()->MethodNameEdit, "Twice", Qt::Key_Escape); });
  EXPECT_EQ(MethodInspector()->InspectElement(method), mrCancel);
  EXPECT_EQ(method->Name(), "run");
}

TEST_F(Inspectors, MethodInspectorStoresFlagsArgumentsAndBody) {
  TJavaClass* type = DrawClass(102, 42);
  Answer(mrOk, [] { ClassInspector()->MethodNewButton->click(); });
  Answer(mrOk, [] {
    MethodInspector()->MethodNameEdit->setText("deposit");
    MethodInspector()->ReturnTypeEdit->setText("void");
    MethodInspector()->ThrowsEdit->setText("IOException");
    MethodInspector()->StaticCheckBox->setChecked(true);
    MethodInspector()->FinalCheckBox->setChecked(true);
    MethodInspector()->AccessModifier->SetItemIndex(maPublic);
    MethodInspector()->ImplementationMemo->setPlainText("int a;\n\treturn;");
    MethodInspector()->ArgumentNewButton->click();
    EXPECT_EQ(MethodInspector()->ArgumentsListBox->Items(0), "long amount");
  });
  Answer(mrOk, [] {
    EXPECT_EQ(ArgumentInspector()->ArgumentNameEdit->text(), "noname");
    ArgumentInspector()->ArgumentNameEdit->setText("amount");
    ArgumentInspector()->ArgumentTypeEdit->setText("long");
  });
  DoubleClick(112, 47);
  ASSERT_EQ(type->MethodCount(), 1);
  auto* method = dynamic_cast<TJavaMethod*>(type->Methods(0));
  ASSERT_NE(method, nullptr);
  EXPECT_EQ(method->Name(), "deposit");
  EXPECT_EQ(method->Throws(), "IOException");
  EXPECT_TRUE(method->Static());
  EXPECT_TRUE(method->Final());
  EXPECT_FALSE(method->Abstract());
  EXPECT_EQ(method->Access(), maPublic);
  ASSERT_EQ(method->Implementation().Count(), 2);
  EXPECT_EQ(method->Implementation()[1], "\treturn;");
  ASSERT_EQ(method->ArgumentCount(), 1);

  // A deleted argument stays deleted when the method inspector is cancelled.
  Answer(mrCancel, [] {
    MethodInspector()->ArgumentsListBox->setCurrentRow(0);
    MethodInspector()->ArgumentDeleteButton->click();
    EXPECT_FALSE(MethodInspector()->ArgumentDeleteButton->isEnabled());
    MethodInspector()->MethodNameEdit->setText("withdraw");
  });
  MethodInspector()->InspectElement(method);
  EXPECT_EQ(method->ArgumentCount(), 0);
  EXPECT_EQ(method->Name(), "deposit");
}

TEST_F(Inspectors, ConstructorsAndMethodsOpenTheirOwnInspectors) {
  TJavaClass* type = DrawClass(102, 42);
  Answer(mrOk, [] {
    ClassInspector()->ConstructorNewButton->click();
    ClassInspector()->MethodsListBox->setCurrentRow(0);
    ClassInspector()->MethodsListBoxDblClick();
  });
  Answer(mrOk, [] { ConstructorInspector()->ImplementationMemo->setPlainText("super();"); });
  Answer(mrCancel, [] { EXPECT_EQ(ConstructorInspector()->ImplementationMemo->toPlainText(), "super();"); });
  DoubleClick(112, 47);
  EXPECT_EQ(Modal().Log().back().caption, "Constructor Inspector");
  ASSERT_EQ(type->MethodCount(), 1);
  auto* constructor = dynamic_cast<TJavaConstructor*>(type->Methods(0));
  ASSERT_NE(constructor, nullptr);
  EXPECT_EQ(constructor->Implementation().Text(), "super();\r\n");
}

TEST_F(Inspectors, TypePickerListsBasicTypesAndEveryBoxName) {
  DrawClass(102, 42)->SetName("Node");
  DrawClass(302, 42)->SetName("Node");
  QLineEdit edit;
  edit.setText("int");
  Answer(mrOk, [] {
    EXPECT_EQ(TypesDlg()->TypeListBox->count(), 19);
    EXPECT_EQ(TypesDlg()->TypeListBox->Items(16), "Class");
    EXPECT_EQ(TypesDlg()->TypeListBox->Items(17), "Node");
    EXPECT_EQ(TypesDlg()->TypeListBox->Items(18), "Node");
    TypesDlg()->TypeListBox->setCurrentRow(8);
  });
  PickTypeInto(&edit);
  EXPECT_EQ(edit.text(), "String");
  Answer(mrCancel, [] { TypesDlg()->TypeListBox->setCurrentRow(0); });
  PickTypeInto(&edit);
  EXPECT_EQ(edit.text(), "String");
  Answer(mrOk);
  PickTypeInto(&edit);
  EXPECT_EQ(edit.text(), "String") << "OK with nothing chosen keeps the text";
}

TEST_F(Inspectors, InheritedOperationBecomesAPublicMethodWithItsArguments) {
  Draw(Main().InterfaceButton, 102, 42, 102, 42);
  auto* super = NodeAs<TJavaInterface>(0);
  super->SetName("Shape");
  auto* operation = new TJavaOperation();
  operation->SetName("area");
  operation->SetReturnType("double");
  auto* argument = new TJavaArgument();
  argument->SetName("scale");
  argument->SetType("int");
  operation->AddArgument(argument);
  super->AddMethod(operation);
  TJavaClass* sub = DrawClass(102, 302);
  Draw(Main().InheritanceButton, 152, 312, 152, 52);
  ASSERT_TRUE(IsAncestor(super, sub));

  Answer(mrCancel, [] { ClassInspector()->FromAncestorButton->click(); });
  Answer(mrOk, [] {
    EXPECT_EQ(FromAncestorDlg()->SupertypesListBox->count(), 1);
    FromAncestorDlg()->SupertypesListBox->setCurrentRow(0);
    FromAncestorDlg()->FillMethods();
    FromAncestorDlg()->MethodsListBox->setCurrentRow(0);
  });
  ClassInspector()->InspectElement(sub);
  ASSERT_EQ(sub->MethodCount(), 1);
  auto* method = dynamic_cast<TJavaMethod*>(sub->Methods(0));
  ASSERT_NE(method, nullptr);
  EXPECT_EQ(method->Access(), maPublic);
  EXPECT_EQ(method->Declaration(), operation->Declaration());
  EXPECT_EQ(method->Implementation().Count(), 0);
}

TEST_F(Inspectors, InterfaceInspectorAddsConstantsAndOperations) {
  Draw(Main().InterfaceButton, 102, 42, 102, 42);
  auto* type = NodeAs<TJavaInterface>(0);
  Answer(mrOk, [] {
    InterfaceInspector()->InterfaceNameEdit->setText("Limits");
    InterfaceInspector()->AccessModifier->SetItemIndex(taPublic);
    InterfaceInspector()->ConstantNewButton->click();
    InterfaceInspector()->OperationNewButton->click();
  });
  Answer(mrOk, [] {
    ConstantInspector()->ConstantTypeEdit->setText("int");
    ConstantInspector()->InitialValueEdit->setText("10");
  });
  Answer(mrOk, [] { OperationInspector()->ReturnTypeEdit->setText("int"); });
  DoubleClick(112, 47);
  EXPECT_EQ(type->Name(), "Limits");
  EXPECT_EQ(type->Access(), taPublic);
  ASSERT_EQ(type->AttributeCount(), 1);
  EXPECT_EQ(type->Attributes(0)->Declaration(), "int noname = 10");
  ASSERT_EQ(type->MethodCount(), 1);
  EXPECT_NE(dynamic_cast<TJavaOperation*>(type->Methods(0)), nullptr);
  EXPECT_EQ(type->Methods(0)->ReturnType(), "int");
}

TEST_F(Inspectors, AssociationInspectorOpensTheCountOnlyForMany) {
  DrawClass(102, 42);
  DrawClass(402, 42);
  Draw(Main().AssociationButton, 112, 47, 412, 47);
  auto* association = EdgeAs<TAssociation>(0);
  ASSERT_NE(association, nullptr);
  Answer(mrOk, [] {
    EXPECT_FALSE(AssociationInspector()->FromClassMultiplicitySpinEdit->isEnabled());
    AssociationInspector()->FromClassRadioGroup->findChildren<QAbstractButton*>()[1]->click();
    EXPECT_TRUE(AssociationInspector()->FromClassMultiplicitySpinEdit->isEnabled());
    EXPECT_TRUE(AssociationInspector()->FromClassMultiplicityLabel->isEnabled());
    AssociationInspector()->FromClassMultiplicitySpinEdit->setValue(-3);
    AssociationInspector()->FromClassRoleNameEdit->setText("owner");
    AssociationInspector()->ToClassAccessModifier->SetItemIndex(maProtected);
    AssociationInspector()->ToClassRadioGroup->SetItemIndex(akAggregates);
  });
  AssociationInspector()->InspectElement(association);
  EXPECT_EQ(association->Multiplicity(), mtMany);
  EXPECT_EQ(association->Count(), -3);
  EXPECT_EQ(association->FromRole(), "owner");
  EXPECT_EQ(association->ToAccess(), maProtected);
  EXPECT_EQ(association->Kind(), akAggregates);

  Answer(mrCancel, [] {
    EXPECT_TRUE(AssociationInspector()->FromClassMultiplicitySpinEdit->isEnabled());
    AssociationInspector()->ToClassRoleNameEdit->setText("lost");
  });
  AssociationInspector()->InspectElement(association);
  EXPECT_EQ(association->ToRole(), "");
}

TEST_F(Inspectors, CommentAndTextTakeTheirNewText) {
  Draw(Main().CommentButton, 102, 42, 102, 42);
  auto* comment = NodeAs<TComment>(0);
  Answer(mrOk, [] { CommentInspector()->CommentMemo->setPlainText("first\nsecond"); });
  DoubleClick(106, 46);
  ASSERT_EQ(comment->Lines().Count(), 2);
  EXPECT_EQ(comment->Lines()[1], "second");

  Draw(Main().TextButton, 302, 242, 302, 242);
  auto* text = NodeAs<TText>(1);
  Answer(mrOk, [] { TextInspector()->TextEdit->setText("  "); });
  TextInspector()->InspectElement(text);
  EXPECT_EQ(text->Text(), "notext");
  Answer(mrCancel, [] { TextInspector()->TextEdit->setText("gone"); });
  TextInspector()->InspectElement(text);
  EXPECT_EQ(text->Text(), "notext");
  Answer(mrOk, [] { TextInspector()->TextEdit->setText("Bank"); });
  TextInspector()->InspectElement(text);
  EXPECT_EQ(text->Text(), "Bank");
}

// Typing at the second show of an inspector still reaches its first field, after a click on OK
// moved the focus to the button.
TEST_F(Inspectors, EveryShowFocusesTheFirstField) {
  TJavaClass* type = DrawClass(102, 42);
  for (const std::string name : {"Account", "Bank"}) {
    Answer(mrOk, [this, name] {
      TClassInspector& inspector = *ClassInspector();
      inspector.Show();
      TypeInWindow(inspector, name);
      ClickInWindow(*inspector.OKButton);
      inspector.hide();
    });
    DoubleClick(112, 47);
    EXPECT_EQ(type->Name(), name);
  }
}

// No control of an inspector covers another, and a column's buttons are one width.
TEST_F(Inspectors, NoControlCoversAnother) {
  std::function<void(const QWidget&)> expectApart = [&](const QWidget& parent) {
    std::vector<const QWidget*> shown;
    for (const QObject* child : parent.children()) {
      auto* widget = qobject_cast<const QWidget*>(child);
      if (widget != nullptr && widget->isVisible() && !widget->isWindow()) shown.push_back(widget);
    }
    // A group box drawn around controls of its dialog frames them.
    auto apart = [](const QWidget& a, const QWidget& b) {
      auto frames = [](const QWidget& group, const QWidget& inner) {
        return qobject_cast<const QGroupBox*>(&group) != nullptr && group.geometry().contains(inner.geometry());
      };
      return !a.geometry().intersects(b.geometry()) || frames(a, b) || frames(b, a);
    };
    for (size_t i = 0; i < shown.size(); ++i) {
      for (size_t j = i + 1; j < shown.size(); ++j)
        EXPECT_TRUE(apart(*shown[i], *shown[j]))
            << parent.window()->objectName().toStdString() << ": " << shown[i]->objectName().toStdString() << " "
            << shown[i]->property("text").toString().toStdString() << " and "
            << shown[j]->objectName().toStdString() << " " << shown[j]->property("text").toString().toStdString();
      if (qobject_cast<const QGroupBox*>(shown[i]) != nullptr) expectApart(*shown[i]);
    }
  };
  const std::vector<platform::TForm*> inspectors = {
      ClassInspector(),     InterfaceInspector(),   AttributeInspector(), ConstantInspector(),
      MethodInspector(),    ConstructorInspector(), OperationInspector(), ArgumentInspector(),
      AssociationInspector(), CommentInspector(),   TextInspector()};
  for (platform::TForm* inspector : inspectors) {
    inspector->Show();
    expectApart(*inspector);
    inspector->hide();
  }
  TClassInspector& type = *ClassInspector();
  for (QPushButton* button : {type.AttributeNewButton, type.AttributeDeleteButton, type.MethodNewButton,
                              type.FromAncestorButton, type.MethodDeleteButton})
    EXPECT_EQ(button->width(), type.ConstructorNewButton->width()) << button->text().toStdString();
}

}  // namespace
